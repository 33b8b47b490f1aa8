// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

// Vantorel on openbox, a window manager with fixed desktops, under a private X server: it follows switches and
// changes of the desktop count, and the names given before survive a restart of Vantorel and desktops that go away
// for a moment.
#include "VantorelProcess.h"
#include "X11Session.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

bool wmctrl(const X11Session& session, const QStringList& arguments) {
    return !session.run(QStringLiteral("wmctrl"), arguments).startsWith(QLatin1String("failed: "));
}

} // namespace

class TestOpenbox : public QObject {
    Q_OBJECT

private slots:
    void followsDesktopsAndKeepsNames();
};

void TestOpenbox::followsDesktopsAndKeepsNames() {
    REQUIRE_PROGRAMS("Xvfb", "openbox", "wmctrl");
    X11Session session;
    QString error;
    QVERIFY2(session.start(QSize(640, 480), &error), qPrintable(error));
    const QString rcPath = session.configFolder() + "/openbox-rc.xml";
    QFile rc(rcPath);
    QVERIFY(rc.open(QIODevice::WriteOnly));
    rc.write(R"(<?xml version="1.0"?>
<openbox_config xmlns="http://openbox.org/3.4/rc"><desktops><number>4</number></desktops></openbox_config>
)");
    rc.close();
    session.launch("openbox", {"--config-file", rcPath});
    QTRY_VERIFY_WITH_TIMEOUT(wmctrl(session, {"-d"}), 10000);
    storeSpaceConfig(session.configFolder(), 2, "Mail", "#123456");

    QProcessEnvironment environment = session.environment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    auto vantorel = std::make_unique<VantorelProcess>(environment);
    QVERIFY(vantorel->start());
    QVERIFY2(vantorel->waitForLine("🔌 Following the window manager on X display") >= 0, vantorel->transcript());
    QVERIFY2(vantorel->waitForLine("Updating status bar: Space ID=1, Index=0, Name=Desktop 1,") >= 0,
             vantorel->transcript());

    qsizetype mark = vantorel->lines().size();
    QVERIFY(wmctrl(session, {"-s", "2"}));
    QVERIFY2(vantorel->waitForLine("🔄 Active Space changed", mark) >= 0, vantorel->transcript());
    QVERIFY2(vantorel->waitForLine("Updating status bar: Space ID=3, Index=2, Name=Desktop 3,", mark) >= 0,
             vantorel->transcript());
    QVERIFY(wmctrl(session, {"-s", "1"}));
    QVERIFY2(vantorel->waitForLine("Updating status bar: Space ID=2, Index=1, Name=Mail, Color=#123456", mark) >= 0,
             vantorel->transcript());

    mark = vantorel->lines().size();
    QVERIFY(wmctrl(session, {"-n", "6"}));
    QVERIFY2(vantorel->waitForLine("➕ New Spaces detected: [5, 6]", mark) >= 0, vantorel->transcript());
    QVERIFY2(vantorel->waitForLine("✨ Created default config for Space ID 6: name='Desktop 6'", mark) >= 0,
             vantorel->transcript());
    mark = vantorel->lines().size();
    QVERIFY(wmctrl(session, {"-n", "3"}));
    QVERIFY2(vantorel->waitForLine("➖ Deleted Spaces: [4, 5, 6]", mark) >= 0, vantorel->transcript());
    QVERIFY2(vantorel->waitForLine("✅ Cleanup complete. Removed 3 config(s)", mark) >= 0, vantorel->transcript());
    QCOMPARE(vantorel->stop(), 0);

    QFile stored(session.configFolder() + "/vantorel/app_settings.json");
    QVERIFY(stored.open(QIODevice::ReadOnly));
    const QByteArray document = stored.readAll();
    QVERIFY2(document.contains("\"Mail\"") && !document.contains("Desktop 4"), document.constData());

    // Started again on the same desktop: the name given before is still there.
    vantorel = std::make_unique<VantorelProcess>(environment);
    QVERIFY(vantorel->start());
    QVERIFY2(vantorel->waitForLine("Updating status bar: Space ID=2, Index=1, Name=Mail, Color=#123456") >= 0,
             vantorel->transcript());
    QVERIFY(vantorel->lines().filter("❌").filter("Space").isEmpty());

    // Desktops that go away for a moment come back with their names, even those removed before the restart.
    mark = vantorel->lines().size();
    QVERIFY(wmctrl(session, {"-n", "1"}));
    QVERIFY2(vantorel->waitForLine("➖ Deleted Spaces: [2, 3]", mark) >= 0, vantorel->transcript());
    QVERIFY(wmctrl(session, {"-n", "4"}));
    QVERIFY2(vantorel->waitForLine("♻️ Restored config for Space ID 2: name='Mail', color=#123456", mark) >= 0,
             vantorel->transcript());
    QVERIFY2(vantorel->waitForLine("♻️ Restored config for Space ID 4: name='Desktop 4'", mark) >= 0,
             vantorel->transcript());
    QCOMPARE(vantorel->stop(), 0);
}

QTEST_GUILESS_MAIN(TestOpenbox)
#include "tst_openbox.moc"
