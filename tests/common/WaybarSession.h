// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "Processes.h"

#include <QProcessEnvironment>
#include <QTemporaryDir>

// waybar on a running compositor, configured as the README tells users: a black bar across the top with the module
// `custom/vantorel` on the left, fed by a command (JSON lines), and the tray on the right; its style.css imports the
// sheet Vantorel writes beside it ($XDG_CONFIG_HOME/vantorel/waybar.css). Its tray hosts the StatusNotifierWatcher.
class WaybarSession {
public:
    static constexpr int height = 30;
    static constexpr int trayIconSize = 22;

    // Starts waybar in `environment`, which names the compositor (WAYLAND_DISPLAY), the session bus and the config
    // folder (XDG_CONFIG_HOME, where waybar's files go); the feed runs in it too. Waits until the tray's watcher is
    // on the bus; false with a reason when waybar did not get that far.
    bool start(QProcessEnvironment environment, const QString& feedCommand, QString* error);
    // What waybar said, for failure messages.
    QString log() const;

private:
    QTemporaryDir m_logFolder;
    OwnedProgram m_waybar;
};
