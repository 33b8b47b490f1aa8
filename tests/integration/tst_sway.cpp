// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

// Vantorel on a headless sway: it follows switches, keeps the name of a workspace that sway destroys and creates
// again, and survives sway going away and coming back.
#include "RequirePrograms.h"
#include "SwaySession.h"
#include "VantorelProcess.h"

#include <QTest>

class TestSway : public QObject {
    Q_OBJECT

private slots:
    void followsWorkspacesAndSurvivesARestart();
};

void TestSway::followsWorkspacesAndSurvivesARestart() {
    REQUIRE_PROGRAMS("sway", "swaymsg", "setpriv");
    SwaySession sway;
    const QByteArray config = "bindsym Mod4+1 workspace number 1\nbindsym Mod4+2 workspace number 2\n";
    QString error;
    QVERIFY2(sway.start(config, &error), qPrintable(error));

    VantorelProcess vantorel(sway.clientEnvironment());
    QVERIFY(vantorel.start());
    QVERIFY2(vantorel.waitForLine("🔌 Following sway at " + sway.socketPath()) >= 0, vantorel.transcript());
    QVERIFY2(vantorel.waitForLine("Converted Space IDs (sorted by ID): [1, 2]") >= 0, vantorel.transcript());

    qsizetype mark = vantorel.lines().size();
    QVERIFY(sway.message({"workspace", "number", "4"}));
    QVERIFY2(vantorel.waitForLine("➕ New Spaces detected: [4]", mark) >= 0, vantorel.transcript());
    QVERIFY2(vantorel.waitForLine("Updating status bar: Space ID=4,", mark) >= 0, vantorel.transcript());
    // Left empty, sway destroys it; focused again, it comes back with the name and colour it had.
    QVERIFY(sway.message({"workspace", "number", "1"}));
    QVERIFY2(vantorel.waitForLine("➖ Deleted Spaces: [4]", mark) >= 0, vantorel.transcript());
    QVERIFY(sway.message({"workspace", "number", "4"}));
    QVERIFY2(vantorel.waitForLine("♻️ Restored config for Space ID 4: name='Desktop 3'", mark) >= 0,
             vantorel.transcript());

    mark = vantorel.lines().size();
    sway.stop();
    QVERIFY2(vantorel.waitForLine("⚠️ sway: ", mark) >= 0, vantorel.transcript());
    QVERIFY2(sway.start(config, &error), qPrintable(error));
    QVERIFY2(vantorel.waitForLine("✅ sway: connected again at " + sway.socketPath(), mark) >= 0, vantorel.transcript());
    // The new sway starts on workspace 1: the refresh after reconnecting finds it.
    QVERIFY2(vantorel.waitForLine("Updating status bar: Space ID=1,", mark) >= 0, vantorel.transcript());
    QVERIFY(sway.message({"workspace", "number", "2"}));
    QVERIFY2(vantorel.waitForLine("Updating status bar: Space ID=2,", mark) >= 0, vantorel.transcript());
    QCOMPARE(vantorel.lines().mid(mark).filter(QRegularExpression("^(⚠️|❌)")).size(), 1);
    QCOMPARE(vantorel.stop(), 0);
}

QTEST_GUILESS_MAIN(TestSway)
#include "tst_sway.moc"
