// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "core/SpaceID.h"

#include <QList>

#include <optional>

class WindowServer;

namespace SpaceList {

struct Converted {
    QList<SpaceID> sorted;   // ascending or as listed, duplicates kept: a Space's position is its rank here
    QList<SpaceID> unsorted; // the window server's order, for the diagnostic line
};

// Asks the window server for every Space and logs the outcome.
std::optional<QList<qint64>> getAllSpaceIDs(WindowServer& windowServer, qint32 connectionID);

// The Spaces in ascending order, or as the window server listed them when `listedInOrder`.
Converted convert(const QList<qint64>& raw, bool listedInOrder = false);

// The active Space's identifier as a SpaceID: values of 2^63 and more keep their bits and so read as negative.
SpaceID spaceIDFromActiveValue(quint64 value);

} // namespace SpaceList
