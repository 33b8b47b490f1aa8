// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

// waybar on a headless sway, configured as the README says, with Vantorel on the same session bus: the tray shows
// the status item's wide label and the module custom/vantorel (fed by `vantorel --bar=waybar`) the label too, and
// both follow a switch. Read over the bus as a panel reads it, the item's menu offers Settings, Check for Updates
// and Quit, and Settings opens the marking window.
#include "DBusSession.h"
#include "FakeStatusNotifierHost.h"
#include "PixelChecks.h"
#include "RequirePrograms.h"
#include "ShowTiming.h"
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
    VERIFY_STARTS(sway.start("bindsym Mod4+1 workspace number 1\nbindsym Mod4+2 workspace number 2\n", &error));
    VERIFY_STARTS(bus.start(&error));
    storeMailAndChat(sway.clientConfigFolder());

    // Vantorel first, as a session may start it: it writes the sheet waybar imports, and finds the tray's watcher
    // when waybar brings it.
    const QProcessEnvironment environment = bus.withBus(sway.clientEnvironment());
    VantorelProcess vantorel(environment);
    QVERIFY(vantorel.start());
    VERIFY_SAYS(vantorel, "✅ Vantorel launched", 0, 20000);
    VERIFY_SAYS(vantorel, "🔌 Following sway at " + sway.socketPath());
    VERIFY_SAYS(vantorel, "Converted Space IDs (sorted by ID): [1, 2]");
    WaybarSession waybar;
    VERIFY_STARTS(waybar.start(environment, VANTOREL_BINARY " --bar=waybar", &error));

    const auto showsBoth = [&](const QColor& colour) {
        const QImage screen = sway.screenshot();
        return trayShows(screen, colour) && moduleShows(screen, colour);
    };
    QTRY_VERIFY2_WITH_TIMEOUT(showsBoth(mailColour), qPrintable(waybar.log() + vantorel.transcript()), 20000);

    // How long each takes to show a switch: figures to read, not limits to assert.
    QElapsedTimer sinceSwitch;
    sinceSwitch.start();
    QVERIFY(sway.message({"workspace", "number", "2"}));
    const std::optional<qint64> switchMs = millisecondsUntil(sinceSwitch, [&] { return showsBoth(chatColour); });
    QVERIFY2(switchMs, qPrintable(waybar.log() + vantorel.transcript()));
    qInfo("after a switch, waybar's tray and module showed the new label within %lld ms", *switchMs);
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
    // The entries as a panel lists them, "-" for a separator.
    QList<DBusMenuLayout> entries;
    QStringList labels;
    for (const QVariant& child : qdbus_cast<DBusMenuLayout>(layout.arguments().value(1)).children) {
        entries << qdbus_cast<DBusMenuLayout>(child);
        const QVariantMap& entry = entries.constLast().properties;
        labels << (entry.value("type") == "separator" ? "-" : entry.value("label").toString());
    }
    QCOMPARE(labels, QStringList({"Mail", "Chat", "-", "Settings", "Check for Updates", "-", "Quit Vantorel"}));
    QCOMPARE(entries[1].properties.value("toggle-state"), 1); // the current desktop's mark

    const qsizetype mark = vantorel.lines().size();
    panel.clickMenuEntry(service, entries[0].id); // sway switches to the first desktop
    VERIFY_SAYS(vantorel, "Updating status bar: Space ID=1, Index=0, Name=Mail", mark);
    panel.clickMenuEntry(service, entries[3].id);
    VERIFY_SAYS(vantorel, "🔄 Refreshing Spaces in settings window...", mark, 20000);

    QCOMPARE(vantorel.stop(), 0);
}

QTEST_GUILESS_MAIN(TestWaybar)
#include "tst_waybar.moc"
