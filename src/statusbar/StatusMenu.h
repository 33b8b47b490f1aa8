// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <functional>
#include <memory>

class QMenu;

// The status item's menu, built anew for every click: open the marking window, check for updates, quit.
struct StatusMenuCommands {
    std::function<void()> openSettings;
    std::function<void()> checkForUpdates;
    std::function<void()> quit;
};

std::unique_ptr<QMenu> buildStatusMenu(const StatusMenuCommands& commands);
