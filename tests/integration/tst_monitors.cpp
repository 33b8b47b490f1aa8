// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

// Two monitors under i3 (fake outputs on one Xvfb; sway reports outputs through the same messages): a feed for each
// monitor, named as polybar and waybar name it, shows the desktop visible there and follows only its own monitor; the
// listing says which monitor shows which desktop.
#include "I3Bar.h"
#include "RequirePrograms.h"
#include "VantorelProcess.h"

#include <QTest>

namespace {

// Workspaces 1 to 4 are reachable, so that their names stay while they do not exist; 1 and 2 start on the two
// monitors.
QByteArray configFor(const QString& first, const QString& second) {
    QByteArray config;
    for (const char* number : {"1", "2", "3", "4"}) {
        config += QByteArray("bindsym Mod4+") + number + " workspace number " + number + "\n";
    }
    return config + "workspace 1 output " + first.toUtf8() + "\nworkspace 2 output " + second.toUtf8() + "\n";
}

} // namespace

class TestMonitors : public QObject {
    Q_OBJECT

private slots:
    void eachMonitorHasItsLabel() {
        const QString first = "fake-0";
        const QString second = "fake-1";
        REQUIRE_PROGRAMS("Xvfb", "i3", "i3-msg");
        X11Session x11;
        VERIFY_STARTS(x11.start(QSize(2560, 800), &error));
        launchI3(x11, "fake-outputs 1280x800+0+0,1280x800+1280+0\n" + configFor(first, second));
        QProcessEnvironment environment = x11.environment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        QTRY_VERIFY(x11.succeeds("i3-msg", {"-t", "get_version"}));
        for (const auto& [number, name] : {std::pair{1, "Mail"}, {2, "Chat"}, {3, "Code"}, {4, "Web"}}) {
            storeSpaceConfig(environment.value("XDG_CONFIG_HOME"), number, name, mailColour.name());
        }
        VantorelProcess program(environment);
        QVERIFY(program.start({"--window-server=i3"}));
        VERIFY_SAYS(program, "Vantorel launched");

        QProcessEnvironment onFirst = environment;
        onFirst.insert("MONITOR", first); // as polybar names it
        QProcessEnvironment onSecond = environment;
        onSecond.insert("WAYBAR_OUTPUT_NAME", second); // as waybar names it
        VantorelProcess firstBar(onFirst);
        VantorelProcess secondBar(onSecond);
        QVERIFY(firstBar.start({"--bar=plain"}));
        QVERIFY(secondBar.start({"--bar=plain"}));
        QVERIFY2(firstBar.waitForLine("Mail") == 0, firstBar.transcript().constData());
        QVERIFY2(secondBar.waitForLine("Chat") == 0, secondBar.transcript().constData());

        // The command line's switch goes through the window manager's own.
        QVERIFY(x11.succeeds("i3-msg", {"focus output " + first}));
        QVERIFY(runProgram(VANTOREL_BINARY, {"switch", "3"}, environment).succeeded);
        QVERIFY2(firstBar.waitForLine("Code", 1) == 1, firstBar.transcript().constData());
        QVERIFY(x11.succeeds("i3-msg", {"focus output " + second + "; workspace number 4"}));
        QVERIFY2(secondBar.waitForLine("Web", 1) == 1, secondBar.transcript().constData());
        QCOMPARE(firstBar.lines(), QStringList({"Mail", "Code"}));

        const QByteArray listing = runProgram(VANTOREL_BINARY, {"list", "--json"}, environment).output;
        for (const auto& [desktop, output] :
             {std::pair{"Code\",\"number\":3", first}, {"Web\",\"number\":4", second}}) {
            const QByteArray entry = "\"name\":\"" + QByteArray(desktop) + ",\"output\":\"" + output.toUtf8() + '"';
            QVERIFY2(listing.contains(entry), listing.constData());
        }
        QCOMPARE(program.stop(), 0);
    }
};

QTEST_MAIN(TestMonitors)
#include "tst_monitors.moc"
