// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "core/SpaceID.h"
#include "windowserver/SpaceLimit.h"

#include <QList>
#include <QString>

#include <optional>

// The desktops of an EWMH window manager with fixed desktops, as its root window properties give them. A desktop's
// SpaceID is its number counted from 1 (the EWMH number + 1), as users count desktops: no desktop is Space 0, the
// value that stands for "no Space yet".
namespace EwmhDesktops {

// More than any desktop could want; a larger count is a broken window manager, not a list to build.
constexpr quint32 mostDesktops = SpaceLimit::mostSpaces;

struct Reading {
    std::optional<quint32> count;   // _NET_NUMBER_OF_DESKTOPS
    std::optional<quint32> current; // _NET_CURRENT_DESKTOP, counted from 0
    bool operator==(const Reading&) const = default;
};

SpaceID spaceIDOfDesktop(quint32 desktop);
// The EWMH number of a Space of spaceIDs().
quint32 desktopOfSpaceID(SpaceID spaceID);
// Spaces 1 to count; nothing when the count is missing or beyond mostDesktops.
std::optional<QList<qint64>> spaceIDs(const Reading& reading);
// The current desktop's SpaceID; the first desktop's when the window manager does not say, 0 when it has none.
quint64 activeSpace(const Reading& reading);
// What is wrong with the reading, for a diagnostic line; empty when nothing is.
QString problem(const Reading& reading);

} // namespace EwmhDesktops
