// i3blocks in i3's bar with the block the README gives, `vantorel --bar=i3blocks`: with no Vantorel running the feed
// starts one, the block shows the active desktop's label in its colour and follows a switch.
#include "I3Bar.h"
#include "Screenshots.h"
#include "VantorelProcess.h"
#include "platform/SingleInstance.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
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
    const QColor red("#FF6B6B");
    const QColor blue("#6BA3FF");
    storeSpaceConfig(session.configFolder(), 1, "Mail", red.name());
    storeSpaceConfig(session.configFolder(), 2, "Chat", blue.name());

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
    QTRY_VERIFY_WITH_TIMEOUT(labelOf(red).width() > 20, 20000);
    QVERIFY(labelOf(blue).isEmpty());
    keepScreenshot(session.grab(QRect(400, 0, 240, 24)), "i3blocks.png");

    QElapsedTimer sinceSwitch;
    sinceSwitch.start();
    QCOMPARE(session.run("i3-msg", {"workspace", "number", "2"}), R"([{"success":true}])");
    while (labelOf(blue).width() <= 20 && sinceSwitch.elapsed() < 20000) {
        QTest::qWait(5);
    }
    // A figure to read, not a limit to assert.
    qInfo("i3blocks showed the new desktop's label %lld ms after the switch", sinceSwitch.elapsed());
    QVERIFY(labelOf(blue).width() > 20);
    QVERIFY(labelOf(red).isEmpty());
}

QTEST_GUILESS_MAIN(TestI3Blocks)
#include "tst_i3blocks.moc"
