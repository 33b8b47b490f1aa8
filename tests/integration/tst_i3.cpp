// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

// Vantorel on i3 under a private X server: it finds i3 through the root window, follows switches, keeps a named
// workspace that a key binding reaches while i3 has destroyed it, gives i3 the names without breaking a key binding,
// switches from the tray icon's menu, and survives a restart of i3.
#include "I3Bar.h"
#include "PixelChecks.h"
#include "VantorelProcess.h"
#include "windowserver/i3ipc/WorkspaceIdentity.h"

#include <QTest>

class TestI3 : public QObject {
    Q_OBJECT

private slots:
    void followsWorkspacesAcrossRestarts();
};

void TestI3::followsWorkspacesAcrossRestarts() {
    REQUIRE_PROGRAMS("Xvfb", "i3", "i3-msg", "xdotool");
    X11Session session;
    VERIFY_STARTS(session.start(QSize(640, 480), &error));
    launchI3(session, "set $mod Mod4\nset $mail \"mail\"\nbindsym $mod+1 workspace number 1\n"
                      "bindsym $mod+2 workspace number 2\nbindsym $mod+3 workspace 3\nbindsym $mod+m workspace $mail\n"
                      "bar {\n    position top\n    tray_output screen\n}\n");
    QTRY_VERIFY_WITH_TIMEOUT(session.succeeds("i3-msg", {"-t", "get_version"}), 10000);
    const SpaceID mail = WorkspaceIdentity::spaceIDForName(u"mail");
    storeSpaceConfig(session.configFolder(), mail, "Post", "#123456");
    QVERIFY(writeFile(session.configFolder() + "/vantorel/names_in_window_manager.json", "true\n"));

    VantorelProcess vantorel(session.environment());
    QVERIFY(vantorel.start());
    VERIFY_SAYS(vantorel, "🔌 Following i3 at ");
    VERIFY_SAYS(vantorel, QStringLiteral("Converted Space IDs (sorted by ID): [1, 2, 3, %1]").arg(mail));

    qsizetype mark = vantorel.lines().size();
    QVERIFY(session.succeeds("i3-msg", {"workspace", "7: music"})); // the name given in i3 is the new Space's
    VERIFY_SAYS(vantorel, "➕ New Spaces detected: [7]", mark);
    VERIFY_SAYS(vantorel, "✨ Created default config for Space ID 7: name='music'", mark);
    VERIFY_SAYS(vantorel, "Updating status bar: Space ID=7,", mark);

    // Leaving "mail" empty makes i3 destroy it; its key binding keeps it a Space, and so its name.
    QVERIFY(session.succeeds("i3-msg", {"workspace", "mail"}));
    VERIFY_SAYS(vantorel, "Name=Post, Color=#123456", mark);
    mark = vantorel.lines().size();
    QVERIFY(session.succeeds("i3-msg", {"workspace", "number", "2"}));
    VERIFY_SAYS(vantorel, "Updating status bar: Space ID=2,", mark);
    QVERIFY(session.succeeds("i3-msg", {"workspace", "mail"}));
    VERIFY_SAYS(vantorel, "Name=Post, Color=#123456", mark);
    QCOMPARE(vantorel.lines().filter("➖ Deleted Spaces: "), QStringList{"➖ Deleted Spaces: [7]"});

    // Names reach i3 as "N: name", which `workspace number N` still finds, also once i3 has destroyed the workspace
    // and made it again; workspace 3, which a key finds by its name, keeps that name.
    const auto rename = [&](const QString& number, const QString& name) {
        return session.run(VANTOREL_BINARY, {"rename", number, name}).isEmpty();
    };
    const auto focused = [&](const QString& name) {
        return session.run("i3-msg", {"-t", "get_workspaces"})
            .contains("\"name\":\"" + name + "\",\"visible\":true,\"focused\":true");
    };
    mark = vantorel.lines().size();
    QVERIFY(session.succeeds("i3-msg", {"workspace", "3"}));
    QVERIFY(rename("1", "Web") && rename("3", "Code"));
    VERIFY_SAYS(vantorel, "ℹ️ i3: workspace \"3\" keeps its name", mark);
    session.run("xdotool", {"key", "super+1"});
    QTRY_VERIFY_WITH_TIMEOUT(focused("1: Web"), 5000);
    session.run("xdotool", {"key", "super+3"});
    QTRY_VERIFY_WITH_TIMEOUT(focused("3"), 5000);

    // The tray icon's menu lists the desktops first: its second entry goes to workspace 2.
    QRect icon;
    QTRY_VERIFY_WITH_TIMEOUT((icon = boundsOfColour(session.grab({0, 0, 640, 24}), QColor("#6BCF7F"))).isValid(),
                             10000);
    const auto ownWindows = [&] {
        return session.run("xdotool", {"search", "--onlyvisible", "--pid", QString::number(vantorel.processId())});
    };
    const QString withoutMenu = ownWindows();
    session.run("xdotool",
                {"mousemove", QString::number(icon.center().x()), QString::number(icon.center().y()), "click", "1"});
    QTRY_VERIFY_WITH_TIMEOUT(ownWindows().count('\n') > withoutMenu.count('\n'), 5000);
    QTest::qWait(300); // the menu takes keys once it is shown
    session.run("xdotool", {"key", "Down", "Down", "Return"});
    QTRY_VERIFY_WITH_TIMEOUT(focused("2"), 5000);

    // i3 moves its socket on a restart; Vantorel finds the new one through the root window.
    mark = vantorel.lines().size();
    QVERIFY(session.succeeds("i3-msg", {"restart"}));
    VERIFY_SAYS(vantorel, "⚠️ i3: restarting; keeping the last reading and reconnecting", mark);
    VERIFY_SAYS(vantorel, "✅ i3: connected again at ", mark);
    QVERIFY(session.succeeds("i3-msg", {"workspace", "number", "1"}));
    VERIFY_SAYS(vantorel, "Updating status bar: Space ID=1,", mark);
    QCOMPARE(vantorel.lines().mid(mark).filter(QRegularExpression("^(⚠️|❌)")).size(), 1);
    QCOMPARE(vantorel.stop(), 0);
}

QTEST_GUILESS_MAIN(TestI3)
#include "tst_i3.moc"
