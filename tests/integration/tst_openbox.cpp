// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

// Vantorel on openbox, a window manager with fixed desktops, under a private X server: it follows switches and
// changes of the desktop count, the names given before survive a restart of Vantorel and desktops that go away
// for a moment, a second start opens the running one's marking window, a name typed there reaches openbox, and the
// panel's menu switches desktops.
#include "DBusSession.h"
#include "FakeStatusNotifierHost.h"
#include "VantorelProcess.h"
#include "X11Session.h"

#include <QTest>

class TestOpenbox : public QObject {
    Q_OBJECT

private slots:
    void followsDesktopsAndKeepsNames();
};

void TestOpenbox::followsDesktopsAndKeepsNames() {
    REQUIRE_PROGRAMS("Xvfb", "openbox", "wmctrl", "xdotool", "xprop", "dbus-daemon");
    X11Session session;
    VERIFY_STARTS(session.start(QSize(1024, 768), &error));
    session.launch("openbox", {"--config-file", session.writeConfigFile("openbox-rc.xml", R"(<?xml version="1.0"?>
<openbox_config xmlns="http://openbox.org/3.4/rc"><desktops><number>4</number></desktops></openbox_config>
)")});
    QTRY_VERIFY_WITH_TIMEOUT(session.succeeds("wmctrl", {"-d"}), 10000);
    storeSpaceConfig(session.configFolder(), 2, "Mail", "#123456");

    QProcessEnvironment environment = session.environment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    auto vantorel = std::make_unique<VantorelProcess>(environment);
    QVERIFY(vantorel->start());
    VERIFY_SAYS(*vantorel, "🔌 Following the window manager on X display");
    VERIFY_SAYS(*vantorel, "Updating status bar: Space ID=1, Index=0, Name=Desktop 1,");

    qsizetype mark = vantorel->lines().size();
    QVERIFY(session.succeeds("wmctrl", {"-s", "1"}));
    VERIFY_SAYS(*vantorel, "🔄 Active Space changed", mark);
    VERIFY_SAYS(*vantorel, "Updating status bar: Space ID=2, Index=1, Name=Mail, Color=#123456", mark);

    mark = vantorel->lines().size();
    QVERIFY(session.succeeds("wmctrl", {"-n", "6"}));
    VERIFY_SAYS(*vantorel, "➕ New Spaces detected: [5, 6]", mark);
    VERIFY_SAYS(*vantorel, "✨ Created default config for Space ID 6: name='Desktop 6'", mark);
    mark = vantorel->lines().size();
    QVERIFY(session.succeeds("wmctrl", {"-n", "3"}));
    VERIFY_SAYS(*vantorel, "➖ Deleted Spaces: [4, 5, 6]", mark);
    VERIFY_SAYS(*vantorel, "✅ Cleanup complete. Removed 3 config(s)", mark);
    QCOMPARE(vantorel->stop(), 0);

    // Started again on the same desktop, now on the X server itself and with a panel on the session bus: the name
    // given before is still there.
    DBusSession bus;
    VERIFY_STARTS(bus.start(&error));
    FakeStatusNotifierHost panel(bus.address(), "panel");
    QVERIFY(panel.startWatcher());
    vantorel = std::make_unique<VantorelProcess>(bus.withBus(session.environment()));
    QVERIFY(vantorel->start());
    VERIFY_SAYS(*vantorel, "Updating status bar: Space ID=2, Index=1, Name=Mail, Color=#123456");
    QVERIFY(vantorel->lines().filter("❌").filter("Space").isEmpty());

    // Desktops that go away for a moment come back with their names, even those removed before the restart.
    mark = vantorel->lines().size();
    QVERIFY(session.succeeds("wmctrl", {"-n", "1"}));
    VERIFY_SAYS(*vantorel, "➖ Deleted Spaces: [2, 3]", mark);
    QVERIFY(session.succeeds("wmctrl", {"-n", "4"}));
    VERIFY_SAYS(*vantorel, "♻️ Restored config for Space ID 2: name='Mail', color=#123456", mark);
    VERIFY_SAYS(*vantorel, "♻️ Restored config for Space ID 4: name='Desktop 4'", mark);

    // A second start hands over to it, which opens its marking window.
    QCOMPARE(session.run("xdotool", {"search", "--name", "Mark My Desktops"}), "failed: ");
    QCOMPARE(session.run(VANTOREL_BINARY, {}), QString());
    QString window;
    QTRY_VERIFY_WITH_TIMEOUT(
        !(window = session.run("xdotool", {"search", "--onlyvisible", "--name", "^Mark My Desktops$"}))
             .startsWith("failed"),
        10000);
    VERIFY_SAYS(*vantorel, "🔄 Refreshing Spaces in settings window...");

    // The first desktop's name, typed in the window, reaches openbox's list of names, which pagers show.
    session.run("xdotool", {"mousemove", "--window", window, "240", "51", "click", "1"}); // on the first name
    session.run("xdotool", {"key", "--window", window, "ctrl+a"});
    session.run("xdotool", {"type", "--window", window, "Inbox"});
    session.run("xdotool", {"key", "--window", window, "Return"});
    QTRY_VERIFY_WITH_TIMEOUT(session.run("xprop", {"-root", "_NET_DESKTOP_NAMES"}).contains("= \"Inbox\", "), 5000);

    // The menu's third entry is the third desktop.
    QTRY_VERIFY_WITH_TIMEOUT(!panel.registeredItems.isEmpty(), 10000);
    mark = vantorel->lines().size();
    const QDBusMessage chosen = panel.clickMenuEntry(panel.registeredItems.first().section('/', 0, 0), 3);
    QVERIFY2(chosen.type() == QDBusMessage::ReplyMessage, qPrintable(chosen.errorMessage()));
    VERIFY_SAYS(*vantorel, "Updating status bar: Space ID=3, Index=2,", mark);
    QVERIFY(session.run("wmctrl", {"-d"}).contains(QRegularExpression("^2  \\*", QRegularExpression::MultilineOption)));
    QCOMPARE(vantorel->stop(), 0);
}

QTEST_GUILESS_MAIN(TestOpenbox)
#include "tst_openbox.moc"
