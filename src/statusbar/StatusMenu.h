// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "core/SpaceID.h"

#include <QList>
#include <QString>

#include <functional>
#include <memory>

class QMenu;

// One desktop as the menu lists it.
struct StatusMenuDesktop {
    SpaceID spaceID = 0;
    QString name;
    QString color;
    bool isCurrent = false;
};

// The status item's menu, built anew for every click: every desktop in order, with its colour and name and a mark
// on the current one, to switch to; then open the marking window, check for updates, quit.
struct StatusMenuCommands {
    QList<StatusMenuDesktop> desktops;
    std::function<void(SpaceID)> switchTo;
    std::function<void()> openSettings;
    std::function<void()> checkForUpdates;
    std::function<void()> quit;
};

std::unique_ptr<QMenu> buildStatusMenu(const StatusMenuCommands& commands);
