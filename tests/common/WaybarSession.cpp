// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "WaybarSession.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

bool writeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// Whether a StatusNotifierWatcher is on the bus at `address`.
bool watcherIsOnBus(const QString& address) {
    const QString name = QStringLiteral("waybar-session-probe");
    bool registered = false;
    {
        const QDBusConnection bus = QDBusConnection::connectToBus(address, name);
        registered = bus.isConnected() &&
                     bus.interface()->isServiceRegistered(QStringLiteral("org.kde.StatusNotifierWatcher")).value();
    }
    QDBusConnection::disconnectFromBus(name);
    return registered;
}

} // namespace

WaybarSession::WaybarSession() = default;

WaybarSession::~WaybarSession() {
    if (m_waybar && m_waybar->state() != QProcess::NotRunning) {
        m_waybar->terminate();
        if (!m_waybar->waitForFinished(5000)) {
            m_waybar->kill();
            m_waybar->waitForFinished(3000);
        }
    }
}

bool WaybarSession::start(QProcessEnvironment environment, const QString& feedCommand, QString* error) {
    const QJsonObject config{
        {"layer", "top"},
        {"position", "top"},
        {"height", height},
        {"modules-left", QJsonArray{"custom/vantorel"}},
        {"modules-right", QJsonArray{"tray"}},
        {"custom/vantorel", QJsonObject{{"exec", feedCommand}, {"return-type", "json"}}},
        {"tray", QJsonObject{{"icon-size", trayIconSize}, {"spacing", 8}}},
    };
    // GTK takes @import only before every rule; the path is relative to style.css.
    const QByteArray style = "@import url(\"../vantorel/waybar.css\");\n"
                             "* { font-family: \"DejaVu Sans\"; font-size: 13px; }\n"
                             "window#waybar { background: #000000; color: #ffffff; }\n";
    const QDir folder(environment.value(QStringLiteral("XDG_CONFIG_HOME")) + QStringLiteral("/waybar"));
    const QString configPath = folder.filePath(QStringLiteral("config"));
    const QString stylePath = folder.filePath(QStringLiteral("style.css"));
    if (!m_logFolder.isValid() || !folder.mkpath(QStringLiteral(".")) ||
        !writeFile(configPath, QJsonDocument(config).toJson()) || !writeFile(stylePath, style)) {
        *error = QStringLiteral("cannot write waybar's configuration into %1").arg(folder.path());
        return false;
    }
    // No accessibility bus: GTK would have the session bus start one, which outlives the test.
    environment.insert(QStringLiteral("NO_AT_BRIDGE"), QStringLiteral("1"));
    environment.insert(QStringLiteral("GDK_BACKEND"), QStringLiteral("wayland"));
    m_waybar = std::make_unique<QProcess>();
    m_waybar->setProcessEnvironment(environment);
    m_waybar->setProcessChannelMode(QProcess::MergedChannels);
    m_waybar->setStandardOutputFile(m_logFolder.filePath(QStringLiteral("waybar.log")));
    m_waybar->start(QStringLiteral("waybar"),
                    {QStringLiteral("--config"), configPath, QStringLiteral("--style"), stylePath});
    const QString bus = environment.value(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    // Waiting for its end in between notices a waybar that gave up (a style sheet it could not read, say) at once.
    const QDeadlineTimer deadline(20000);
    while (!watcherIsOnBus(bus)) {
        if (deadline.hasExpired() || m_waybar->waitForFinished(50)) {
            *error = QStringLiteral("waybar did not start: %1").arg(log());
            return false;
        }
    }
    return true;
}

QString WaybarSession::log() const {
    QFile file(m_logFolder.filePath(QStringLiteral("waybar.log")));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll().right(3000)) : QString();
}
