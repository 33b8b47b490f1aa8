// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

// Vantorel in i3's bar under a private X server: the tray shows the active desktop's colour and follows a switch.
#include "I3Bar.h"
#include "Screenshots.h"
#include "ShowTiming.h"

#include <QFile>
#include <QTest>

namespace {

constexpr QRect barArea(0, 0, 640, 24);

} // namespace

class TestI3Tray : public QObject {
    Q_OBJECT

private slots:
    void trayFollowsTheActiveSpace();
};

void TestI3Tray::trayFollowsTheActiveSpace() {
    REQUIRE_PROGRAMS("Xvfb", "i3", "i3bar");
    X11Session session;
    QString error;
    QVERIFY2(session.start(QSize(640, 480), &error), qPrintable(error));

    const QString script = session.writeConfigFile("spaces.jsonl", "{\"spaces\": [1, 2], \"active\": 1}\n");
    // Vantorel starts before any tray exists: its icon must appear once the bar's tray does.
    QProcess& vantorel = session.launch(VANTOREL_BINARY, {"--spaces-from=" + script});

    launchI3WithTray(session);

    const QColor red("#FF6B6B");
    const QColor blue("#6BA3FF");
    // Enough pixels of the colour to be the icon: 17 × 17 minus the number.
    const auto showsIcon = [&](QColor colour) {
        return trayIconOfColour(session.grab(barArea), colour).width() > 8;
    };
    QTRY_VERIFY2_WITH_TIMEOUT(showsIcon(red), vantorel.readAllStandardError().right(2000).constData(), 15000);
    QVERIFY(!showsIcon(blue));
    keepScreenshot(session.grab(QRect(400, 0, 240, 24)), "i3bar-tray.png");

    QElapsedTimer sinceSwitch;
    QFile scriptFile(script);
    QVERIFY(scriptFile.open(QIODevice::Append));
    scriptFile.write("{\"spaces\": [1, 2], \"active\": 2}\n");
    scriptFile.close();
    sinceSwitch.start();
    const auto shownAfter = millisecondsUntil(sinceSwitch, [&] { return showsIcon(blue); });
    QVERIFY(shownAfter);
    qInfo("tray showed the new desktop's colour %lld ms after the reading", *shownAfter);
    QVERIFY(!showsIcon(red));
    QCOMPARE(vantorel.state(), QProcess::Running);
}

QTEST_GUILESS_MAIN(TestI3Tray)
#include "tst_i3tray.moc"
