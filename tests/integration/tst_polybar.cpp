// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

// polybar beside i3, fed by `vantorel --bar=polybar`: the bar shows the active desktop's label in its colour and
// follows a switch.
#include "Polybar.h"
#include "Screenshots.h"
#include "ShowTiming.h"
#include "VantorelProcess.h"

#include <QTest>

namespace {

constexpr QRect barArea(0, 0, 640, polybarHeight);

} // namespace

class TestPolybar : public QObject {
    Q_OBJECT

private slots:
    void showsTheLabelAndFollowsASwitch();
};

void TestPolybar::showsTheLabelAndFollowsASwitch() {
    REQUIRE_PROGRAMS("Xvfb", "i3", "i3-msg", "polybar");
    X11Session session;
    QString error;
    QVERIFY2(session.start(QSize(640, 480), &error), qPrintable(error));
    storeMailAndChat(session.configFolder());
    launchI3(session, "bindsym Mod4+1 workspace number 1\nbindsym Mod4+2 workspace number 2\n");
    QTRY_VERIFY_WITH_TIMEOUT(!session.run("i3-msg", {"-t", "get_version"}).startsWith("failed"), 15000);
    VantorelProcess vantorel(session.environment());
    QVERIFY(vantorel.start());
    QVERIFY2(vantorel.waitForLine("✅ Vantorel launched", 0, 20000) >= 0, vantorel.transcript());

    QProcess& polybar = launchPolybar(session, VANTOREL_BINARY " --bar=polybar");
    const auto labelOf = [&](const QColor& colour) {
        return boundsOfColour(session.grab(barArea), colour);
    };
    QTRY_VERIFY2_WITH_TIMEOUT(labelOf(mailColour).width() > 20, polybar.readAllStandardError().right(2000).constData(),
                              20000);
    QVERIFY(labelOf(chatColour).isEmpty());
    keepScreenshot(session.grab(QRect(0, 0, 240, polybarHeight)), "polybar.png");

    QElapsedTimer sinceSwitch;
    sinceSwitch.start();
    QCOMPARE(session.run("i3-msg", {"workspace", "number", "2"}), R"([{"success":true}])");
    const auto shownAfter = millisecondsUntil(sinceSwitch, [&] { return labelOf(chatColour).width() > 20; });
    QVERIFY2(shownAfter, vantorel.transcript());
    qInfo("polybar showed the new desktop's label %lld ms after the switch", *shownAfter);
    QVERIFY(labelOf(mailColour).isEmpty());
    QCOMPARE(vantorel.stop(), 0);
}

QTEST_GUILESS_MAIN(TestPolybar)
#include "tst_polybar.moc"
