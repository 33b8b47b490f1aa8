// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "DBusSession.h"
#include "Processes.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcessEnvironment>
#include <QTemporaryDir>

// waybar on a running compositor, configured as the README tells users: a black bar across the top with the module
// `custom/vantorel` on the left, fed by a command (JSON lines), and the tray on the right; its style.css imports the
// sheet Vantorel writes beside it ($XDG_CONFIG_HOME/vantorel/waybar.css). Its tray hosts the StatusNotifierWatcher.
class WaybarSession {
public:
    static constexpr int height = 30;

    // Starts waybar in `environment`, which names the compositor (WAYLAND_DISPLAY), the session bus and the config
    // folder (XDG_CONFIG_HOME, where waybar's files go); the feed runs in it too. Waits until the tray's watcher is
    // on the bus; false with a reason when waybar did not get that far.
    bool start(QProcessEnvironment environment, const QString& feedCommand, QString* error) {
        const QJsonObject config{
            {"layer", "top"},
            {"position", "top"},
            {"height", height},
            {"modules-left", QJsonArray{"custom/vantorel"}},
            {"modules-right", QJsonArray{"tray"}},
            {"custom/vantorel", QJsonObject{{"exec", feedCommand}, {"return-type", "json"}}},
            {"tray", QJsonObject{{"icon-size", 22}, {"spacing", 8}}},
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
        m_waybar = newProgram();
        m_waybar->setProcessEnvironment(environment);
        m_waybar->setProcessChannelMode(QProcess::MergedChannels);
        m_waybar->setStandardOutputFile(m_logFolder.filePath(QStringLiteral("waybar.log")));
        m_waybar->start(QStringLiteral("waybar"),
                        {QStringLiteral("--config"), configPath, QStringLiteral("--style"), stylePath});
        if (!DBusSession::waitForName(environment.value(QStringLiteral("DBUS_SESSION_BUS_ADDRESS")),
                                      QStringLiteral("org.kde.StatusNotifierWatcher"), 20000, m_waybar.get())) {
            *error = QStringLiteral("waybar did not start: %1").arg(log());
            return false;
        }
        return true;
    }
    // What waybar said, for failure messages.
    QString log() const {
        return QString::fromUtf8(readFile(m_logFolder.filePath(QStringLiteral("waybar.log"))).right(3000));
    }

private:
    QTemporaryDir m_logFolder;
    OwnedProgram m_waybar;
};
