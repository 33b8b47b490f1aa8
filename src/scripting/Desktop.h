// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "core/SpaceID.h"

#include <QString>

#include <optional>

// One desktop as scripts see it.
struct Desktop {
    qint64 number = 0; // as the user counts: the position in the ascending Space list plus one
    SpaceID spaceID = 0;
    QString name;
    QString color;
    bool active = false;
    std::optional<QString> output; // the monitor it is on, where the window manager says

    bool operator==(const Desktop&) const = default;
};
