// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

// i3blocks in i3's bar with the block the README gives, `vantorel --bar=i3blocks`: with no Vantorel running the feed
// starts one, the block shows the active desktop's label in its colour and follows a switch.
#include "I3Bar.h"
#include "Screenshots.h"
#include "ShowTiming.h"
#include "VantorelProcess.h"
#include "instance/SingleInstance.h"

#include <QDeadlineTimer>
#include <QScopeGuard>
#include <QTest>
#include <QThread>

#include <csignal>

namespace {

constexpr QRect barArea(0, 0, 640, 24);

} // namespace

class TestI3Blocks : public QObject {
    Q_OBJECT

private slots:
    void blockShowsTheLabelAndFollowsASwitch();
};

void TestI3Blocks::blockShowsTheLabelAndFollowsASwitch() {
    REQUIRE_PROGRAMS("Xvfb", "i3", "i3bar", "i3-msg", "i3blocks");
    X11Session session;
    QString error;
    QVERIFY2(session.start(QSize(640, 480), &error), qPrintable(error));
    storeMailAndChat(session.configFolder());

    // The program the feed starts is nobody's child: found by its instance socket and ended here.
    const auto stopProgram = qScopeGuard([&session] {
        if (const pid_t program = instanceProcessId(session.runtimeFolder()); program > 0) {
            ::kill(program, SIGTERM);
            // Not QTRY: after a failure it would not wait.
            const QDeadlineTimer deadline(10000);
            while (SingleInstance(session.runtimeFolder() + "/vantorel").isInstanceRunning() &&
                   !deadline.hasExpired()) {
                QThread::msleep(20);
            }
        }
    });
    launchI3WithBlocks(session, VANTOREL_BINARY " --bar=i3blocks",
                       "bindsym Mod4+1 workspace number 1\nbindsym Mod4+2 workspace number 2\n");
    const auto labelOf = [&](const QColor& colour) {
        return boundsOfColour(session.grab(barArea), colour);
    };
    QTRY_VERIFY_WITH_TIMEOUT(labelOf(mailColour).width() > 20, 20000);
    QVERIFY(labelOf(chatColour).isEmpty());
    keepScreenshot(session.grab(QRect(400, 0, 240, 24)), "i3blocks.png");

    QElapsedTimer sinceSwitch;
    sinceSwitch.start();
    QCOMPARE(session.run("i3-msg", {"workspace", "number", "2"}), R"([{"success":true}])");
    const auto shownAfter = millisecondsUntil(sinceSwitch, [&] { return labelOf(chatColour).width() > 20; });
    QVERIFY(shownAfter);
    qInfo("i3blocks showed the new desktop's label %lld ms after the switch", *shownAfter);
    QVERIFY(labelOf(mailColour).isEmpty());
}

QTEST_GUILESS_MAIN(TestI3Blocks)
#include "tst_i3blocks.moc"
