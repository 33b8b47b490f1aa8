// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

// Vantorel in i3's bar under a private X server: the tray icon comes in the active desktop's colour once i3's tray
// does; a click on the icon opens the status menu, Settings opens the marking window and Quit ends the program.
#include "I3Bar.h"
#include "PixelChecks.h"

#include <QTest>

namespace {

constexpr QRect barArea(0, 0, 1024, 24);

int visibleWindowCount(const X11Session& session, const QStringList& search) {
    const QString found = session.run("xdotool", QStringList{"search", "--onlyvisible"} + search);
    return found.startsWith("failed") ? 0 : int(found.split('\n', Qt::SkipEmptyParts).size());
}

} // namespace

class TestI3Tray : public QObject {
    Q_OBJECT

private slots:
    void trayIconComesWithTheTrayAndOpensTheMenu() {
        REQUIRE_PROGRAMS("Xvfb", "i3", "i3bar", "xdotool");
        X11Session session;
        VERIFY_STARTS(session.start(QSize(1024, 768), &error));
        const QString script = session.writeConfigFile("spaces.jsonl", "{\"spaces\": [1, 2], \"active\": 1}\n");
        // Vantorel starts before any tray exists: its icon must appear once the bar's tray does.
        QProcess& vantorel = session.launch(VANTOREL_BINARY, {"--spaces-from=" + script});
        launchI3(session, "bar {\n    position top\n    tray_output screen\n}\n");

        const QColor red("#FF6B6B");
        // Enough pixels of the colour to be the icon: 17 × 17 minus the number.
        QTRY_VERIFY2_WITH_TIMEOUT(boundsOfColour(session.grab(barArea), red).width() > 8,
                                  vantorel.readAllStandardError().right(2000).constData(), 15000);
        const QPoint icon = boundsOfColour(session.grab(barArea), red).center();
        // Vantorel's visible windows: the tray icon's, then a menu on top when one is open.
        const QStringList ownWindows{"--pid", QString::number(vantorel.processId())};
        const int withoutMenu = visibleWindowCount(session, ownWindows);
        const auto clickIcon = [&](const char* button) {
            session.run("xdotool",
                        {"mousemove", QString::number(icon.x()), QString::number(icon.y()), "click", button});
        };
        clickIcon("3"); // a right click opens the menu as a left one does, below
        QTRY_COMPARE_WITH_TIMEOUT(visibleWindowCount(session, ownWindows), withoutMenu + 1, 5000);
        session.run("xdotool", {"key", "Up", "Up", "Up", "Return"}); // from the last entry, Quit, up to Settings
        QTRY_VERIFY_WITH_TIMEOUT(visibleWindowCount(session, {"--name", "Mark My Desktops"}) > 0, 10000);
        QTest::qWait(300); // the window settles before the next click
        QCOMPARE(vantorel.state(), QProcess::Running);

        // Quit ends the program with status 0 and writes nothing.
        const QString settings = session.configFolder() + "/vantorel/app_settings.json";
        const QByteArray stored = readFile(settings);
        QVERIFY(!stored.isEmpty());
        const int withWindow = visibleWindowCount(session, ownWindows);
        clickIcon("1");
        QTRY_COMPARE_WITH_TIMEOUT(visibleWindowCount(session, ownWindows), withWindow + 1, 5000);
        session.run("xdotool", {"key", "Up", "Return"}); // the last entry: Quit Vantorel
        QVERIFY(vantorel.waitForFinished(10000));
        QCOMPARE(vantorel.exitStatus(), QProcess::NormalExit);
        QCOMPARE(vantorel.exitCode(), 0);
        QCOMPARE(readFile(settings), stored);
    }
};

QTEST_GUILESS_MAIN(TestI3Tray)
#include "tst_i3tray.moc"
