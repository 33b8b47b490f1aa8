// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "statusbar/sni/StatusNotifierHost.h"

#include "core/Diagnostics.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QFile>

#include <array>
#include <utility>

namespace {

const QString watcherService = QStringLiteral("org.kde.StatusNotifierWatcher");

// Measured on each desktop: the program that owns the watcher there, and what its panel does with an item.
const std::array<std::pair<QLatin1StringView, TrayStyle>, 7> knownHosts{{
    // waybar and MATE's notification area draw a picture at its own width; MATE draws a text label instead of the
    // picture, not beside it.
    {QLatin1StringView("waybar"), TrayStyle::Wide},
    {QLatin1StringView("notification-area-applet"), TrayStyle::Wide},
    // GNOME's AppIndicator extension squeezes the picture into a square and writes the label beside it.
    {QLatin1StringView("gnome-shell"), TrayStyle::TileAndText},
    // Plasma (whose watcher is in kded5), XFCE (its Status Tray runs in a plugin wrapper) and LXQt draw every item
    // in a square and show no label.
    {QLatin1StringView("kded5"), TrayStyle::Tile},
    {QLatin1StringView("plasmashell"), TrayStyle::Tile},
    {QLatin1StringView("wrapper-2.0"), TrayStyle::Tile},
    {QLatin1StringView("lxqt-panel"), TrayStyle::Tile},
}};

// The name the program was started with: the kernel's own name for a process is cut at 15 characters, and XFCE's
// plugin wrapper renames itself after the plugin.
QString programName(uint processID) {
    QFile commandLine(QStringLiteral("/proc/%1/cmdline").arg(processID));
    if (!commandLine.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray first = commandLine.readAll().split('\0').constFirst();
    return QString::fromLocal8Bit(first.mid(first.lastIndexOf('/') + 1));
}

} // namespace

StatusNotifierHost::StatusNotifierHost(QDBusConnection connection, QObject* parent)
    : QObject(parent)
    , m_connection(std::move(connection)) {}

void StatusNotifierHost::find() {
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("GetConnectionUnixProcessID"));
    call << watcherService;
    auto* reply = new QDBusPendingCallWatcher(m_connection.asyncCall(call), this);
    connect(reply, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* finished) {
        finished->deleteLater();
        const QDBusPendingReply<uint> processID = *finished;
        if (processID.isError()) {
            Diagnostics::systemLog(QStringLiteral("❌ Could not tell which program hosts the status item: %1")
                                       .arg(processID.error().message()));
            m_program.clear();
            emit found();
            return;
        }
        programOfProcess(processID.value());
    });
}

void StatusNotifierHost::programOfProcess(uint processID) {
    // A process in another PID namespace, or gone already, has no name to read: the host stays unknown.
    m_program = programName(processID);
    Diagnostics::print(QStringLiteral("🔍 Status items are hosted by '%1' (process %2)").arg(m_program).arg(processID));
    emit found();
}

TrayStyle StatusNotifierHost::styleFor(const QString& program) {
    for (const auto& [name, style] : knownHosts) {
        if (program == name) {
            return style;
        }
    }
    return TrayStyle::TileAndText;
}
