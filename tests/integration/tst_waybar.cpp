// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

// waybar on a headless sway, configured as the README says, with Vantorel on the same session bus: the tray shows
// the status item's wide label and the module custom/vantorel (fed by `vantorel --bar=waybar`) the label too, and
// both follow a switch. Read over the bus as a panel reads it, the item's menu offers Settings, Check for Updates
// and Quit, and Settings opens the marking window. Vantorel survives sway going away and coming back, and a
// workspace that sway destroys and creates again keeps its name.
#include "DBusSession.h"
#include "FakeStatusNotifierHost.h"
#include "PixelChecks.h"
#include "RequirePrograms.h"
#include "Screenshots.h"
#include "SwaySession.h"
#include "VantorelProcess.h"
#include "WaybarSession.h"
#include "statusbar/sni/DBusTypes.h"

#include <QDBusObjectPath>
#include <QElapsedTimer>
#include <QTest>

#include <optional>

namespace {

constexpr QRect barArea(0, 0, 800, WaybarSession::height);
constexpr QRect moduleArea(0, 0, 400, WaybarSession::height); // modules-left
constexpr QRect trayArea(400, 0, 400, WaybarSession::height); // modules-right

// Both draw the label at 0.9 opacity on the bar's black.
QRect labelIn(const QImage& screen, const QRect& area, const QColor& colour) {
    return boundsOfColour(screen.copy(area), blended(colour, 0.9));
}

bool moduleShows(const QImage& screen, const QColor& colour) {
    return labelIn(screen, moduleArea, colour).width() > 20;
}

// The wide label, not a square icon.
bool trayShows(const QImage& screen, const QColor& colour) {
    const QRect label = labelIn(screen, trayArea, colour);
    return label.height() >= 12 && label.width() > 2 * label.height();
}

// "Settings", "Check for Updates", "-" for a separator, ...: the menu's entries as a panel lists them.
QStringList labelsOf(const QList<DBusMenuLayout>& entries) {
    QStringList labels;
    for (const DBusMenuLayout& entry : entries) {
        labels << (entry.properties.value("type") == "separator" ? QStringLiteral("-")
                                                                 : entry.properties.value("label").toString());
    }
    return labels;
}

} // namespace

class TestWaybar : public QObject {
    Q_OBJECT

private slots:
    void trayAndModuleShowTheLabel();
};

void TestWaybar::trayAndModuleShowTheLabel() {
    REQUIRE_PROGRAMS("sway", "swaymsg", "setpriv", "grim", "waybar", "dbus-daemon");
    registerDBusTypes();
    SwaySession sway;
    DBusSession bus;
    QString error;
    const QByteArray config = "bindsym Mod4+1 workspace number 1\nbindsym Mod4+2 workspace number 2\n";
    QVERIFY2(sway.start(config, &error), qPrintable(error));
    QVERIFY2(bus.start(&error), qPrintable(error));
    storeMailAndChat(sway.clientConfigFolder());

    // Vantorel first, as a session may start it: it writes the sheet waybar imports, and finds the tray's watcher
    // when waybar brings it.
    const QProcessEnvironment environment = bus.withBus(sway.clientEnvironment());
    VantorelProcess vantorel(environment);
    QVERIFY(vantorel.start());
    QVERIFY2(vantorel.waitForLine("✅ Vantorel launched", 0, 20000) >= 0, vantorel.transcript());
    QVERIFY2(vantorel.waitForLine("🔌 Following sway at " + sway.socketPath()) >= 0, vantorel.transcript());
    QVERIFY2(vantorel.waitForLine("Converted Space IDs (sorted by ID): [1, 2]") >= 0, vantorel.transcript());
    WaybarSession waybar;
    QVERIFY2(waybar.start(environment, VANTOREL_BINARY " --bar=waybar", &error), qPrintable(error));

    const auto showsBoth = [&](const QColor& colour) {
        const QImage screen = sway.screenshot();
        return trayShows(screen, colour) && moduleShows(screen, colour);
    };
    QTRY_VERIFY2_WITH_TIMEOUT(showsBoth(mailColour), qPrintable(waybar.log() + vantorel.transcript()), 20000);
    keepScreenshot(sway.screenshot().copy(barArea), "waybar.png");

    // How long each takes to show a switch: figures to read, not limits to assert.
    QElapsedTimer sinceSwitch;
    sinceSwitch.start();
    QVERIFY(sway.message({"workspace", "number", "2"}));
    std::optional<qint64> trayMs;
    std::optional<qint64> moduleMs;
    while ((!trayMs || !moduleMs) && sinceSwitch.elapsed() < 20000) {
        const QImage screen = sway.screenshot();
        const qint64 elapsed = sinceSwitch.elapsed();
        if (!trayMs && trayShows(screen, chatColour)) {
            trayMs = elapsed;
        }
        if (!moduleMs && moduleShows(screen, chatColour)) {
            moduleMs = elapsed;
        }
    }
    QVERIFY2(trayMs && moduleMs, qPrintable(waybar.log() + vantorel.transcript()));
    qInfo("after a switch, waybar's tray showed the new label within %lld ms, its module within %lld ms", *trayMs,
          *moduleMs);
    QVERIFY(labelIn(sway.screenshot(), barArea, mailColour).isEmpty());

    // The item as waybar found it, read as a panel reads it.
    FakeStatusNotifierHost panel(bus.address(), "panel");
    const QDBusMessage registered =
        panel.call("org.kde.StatusNotifierWatcher", "/StatusNotifierWatcher", "org.freedesktop.DBus.Properties", "Get",
                   {"org.kde.StatusNotifierWatcher", "RegisteredStatusNotifierItems"});
    const QStringList items = registered.arguments().value(0).value<QDBusVariant>().variant().toStringList();
    QCOMPARE(items.size(), 1);
    const QString service = items.constFirst().section('/', 0, 0); // waybar lists "service/path"
    const QVariantMap properties = panel.itemProperties(service);
    QCOMPARE(properties.value("Title"), "Chat");
    QCOMPARE(properties.value("ItemIsMenu"), true);
    const QString menu = properties.value("Menu").value<QDBusObjectPath>().path();

    panel.call(service, menu, "com.canonical.dbusmenu", "AboutToShow", {0});
    const QDBusMessage layout =
        panel.call(service, menu, "com.canonical.dbusmenu", "GetLayout", {0, -1, QStringList()});
    QList<DBusMenuLayout> entries;
    for (const QVariant& child : qdbus_cast<DBusMenuLayout>(layout.arguments().value(1)).children) {
        entries << qdbus_cast<DBusMenuLayout>(child);
    }
    QCOMPARE(labelsOf(entries),
             QStringList({"Mail", "Chat", "-", "Settings", "Check for Updates", "-", "Quit Vantorel"}));
    QCOMPARE(entries[1].properties.value("toggle-state"), 1); // the current desktop's mark

    qsizetype mark = vantorel.lines().size();
    panel.clickMenuEntry(service, entries[0].id);
    QVERIFY2(vantorel.waitForLine("Updating status bar: Space ID=1, Index=0, Name=Mail", mark) >= 0,
             vantorel.transcript());
    panel.clickMenuEntry(service, entries[3].id);
    QVERIFY2(vantorel.waitForLine("🔄 Refreshing Spaces in settings window...", mark, 20000) >= 0,
             vantorel.transcript());

    // sway goes away, taking waybar along, and a new one comes at the same socket: Vantorel follows it.
    mark = vantorel.lines().size();
    sway.stop();
    QVERIFY2(vantorel.waitForLine("⚠️ sway: ", mark) >= 0, vantorel.transcript());
    QVERIFY2(sway.start(config, &error), qPrintable(error));
    QVERIFY2(vantorel.waitForLine("✅ sway: connected again at " + sway.socketPath(), mark) >= 0, vantorel.transcript());
    // The new sway starts on workspace 1: the refresh after reconnecting finds it.
    QVERIFY2(vantorel.waitForLine("Updating status bar: Space ID=1,", mark) >= 0, vantorel.transcript());
    QVERIFY(sway.message({"workspace", "number", "4"}));
    QVERIFY2(vantorel.waitForLine("➕ New Spaces detected: [4]", mark) >= 0, vantorel.transcript());
    QVERIFY2(vantorel.waitForLine("Updating status bar: Space ID=4,", mark) >= 0, vantorel.transcript());
    // Left empty, sway destroys it; focused again, it comes back with the name and colour it had.
    QVERIFY(sway.message({"workspace", "number", "1"}));
    QVERIFY2(vantorel.waitForLine("➖ Deleted Spaces: [4]", mark) >= 0, vantorel.transcript());
    QVERIFY(sway.message({"workspace", "number", "4"}));
    QVERIFY2(vantorel.waitForLine("♻️ Restored config for Space ID 4: name='Desktop 3'", mark) >= 0,
             vantorel.transcript());
    QCOMPARE(vantorel.lines().mid(mark).filter(QRegularExpression("^(⚠️|❌) sway")).size(), 1);
    QCOMPARE(vantorel.stop(), 0);
}

QTEST_GUILESS_MAIN(TestWaybar)
#include "tst_waybar.moc"
