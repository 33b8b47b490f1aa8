// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "windowserver/i3ipc/ConfigBindings.h"

#include <QTest>

class TestConfigBindings : public QObject {
    Q_OBJECT

private slots:
    void findsReachableWorkspaces_data();
    void findsReachableWorkspaces();
};

void TestConfigBindings::findsReachableWorkspaces_data() {
    QTest::addColumn<QString>("config");
    QTest::addColumn<QStringList>("workspaces");

    // As in Debian's default i3 configuration: $ws10 beside $ws1.
    QTest::newRow("i3 default") << "set $ws1 \"1\"\nset $ws10 \"10\"\nbindsym Mod4+1 workspace number $ws1\n"
                                   "bindsym Mod4+0 move container to workspace number $ws10\n"
                                << QStringList{"1", "10"};
    QTest::newRow("unquoted names run to the end of the command")
        << "bindsym Mod4+m workspace 3: mail ; exec foo\nbindcode 49 workspace web, layout tabbed\n"
        << QStringList{"3: mail", "web"};
    QTest::newRow("quotes keep separators and escapes")
        << "bindsym Mod4+q workspace \"a; b\"\nbindsym Mod4+w workspace \"say \\\"hi\\\"\"\n"
        << QStringList{"a; b", "say \"hi\""};
    QTest::newRow("flags, criteria and every form of move")
        << "bindsym --release --to-code Mod4+1 workspace --no-auto-back-and-forth 1\n"
           "bindsym Mod4+2 [class=\"Firefox\"] move window to workspace 2\n"
           "bindsym Mod4+3 move to workspace 3\nbindsym Mod4+4 move --no-auto-back-and-forth workspace number 4\n"
        << QStringList{"1", "2", "3", "4"};
    QTest::newRow("commands that reach no named workspace")
        << "bindsym Mod4+n workspace next\nbindsym Mod4+Tab workspace back_and_forth\n"
           "bindsym Mod4+o move workspace to output left\nbindsym Mod4+e exec i3-msg workspace 9\n"
           "for_window [class=\"x\"] move to workspace 8\nworkspace 7 output HDMI-1\n"
           "# bindsym Mod4+6 workspace 6\n"
        << QStringList{};
    QTest::newRow("mode blocks, sway's binding blocks, continued lines")
        << "mode \"go\" {\n    bindsym 1 workspace 1; mode \"default\"\n}\n"
           "bindsym {\n    Mod4+2 workspace 2\n    Mod4+3 \\\n      workspace 3\n}\n"
           "bar {\n    status_command workspace 9\n}\n"
        << QStringList{"1", "2", "3"};
    QTest::newRow("variables: later definitions win, resource fallbacks, undefined stay literal")
        << "set $w one\nset $w two\nset_from_resource $r i3wm.ws 5\n"
           "bindsym Mod4+1 workspace $w\nbindsym Mod4+2 workspace $r\nbindsym Mod4+3 workspace $nothing\n"
           "bindsym Mod4+4 workspace two\n"
        << QStringList{"two", "5", "$nothing"};
    // Expanded again and again, $v34 would be 2^34 copies of x.
    QString bomb = "set $v0 x\n";
    for (int level = 1; level <= 34; ++level) {
        bomb += QStringLiteral("set $v%1 $v%2$v%2\n").arg(level).arg(level - 1);
    }
    QTest::newRow("variables expand in one pass; a line that still explodes is dropped")
        << bomb + "bindsym Mod4+1 workspace $v34\nset $big " + QString(70000, u'x') +
               "\nbindsym Mod4+2 workspace $big\n"
        << QStringList{"$v33$v33"};
}

void TestConfigBindings::findsReachableWorkspaces() {
    QFETCH(QString, config);
    QFETCH(QStringList, workspaces);
    QCOMPARE(ConfigBindings::reachableWorkspaces(config), workspaces);
}

QTEST_APPLESS_MAIN(TestConfigBindings)
#include "tst_configbindings.moc"
