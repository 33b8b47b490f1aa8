// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "core/SpaceID.h"

#include <QList>
#include <QString>
#include <QVariant>

#include <optional>

// KWin's virtual desktops as its D-Bus interface (org.kde.KWin.VirtualDesktopManager) gives them. A desktop is known
// by its UUID, which KWin keeps in kwinrc: it survives reordering and restarts, where a position does not. Its
// SpaceID is the UUID's 16 bytes hashed (HashedSpaceID), so it never meets a numbered desktop of another backend.
namespace KWinDesktops {

struct Desktop {
    quint32 position = 0;
    QString id;
    QString name;
    bool operator==(const Desktop&) const = default;
};

struct Reading {
    QList<Desktop> desktops; // in KWin's order
    QString current;         // the current desktop's UUID
    bool operator==(const Reading&) const = default;
};

// The `desktops` property's value: an array of (position, id, name). KWin's introspection calls the position an
// int, the values carry an unsigned int: both are taken. Nothing when the value has another shape.
std::optional<QList<Desktop>> decode(const QVariant& value);
SpaceID spaceIDOf(const QString& id);
// The desktops' SpaceIDs in KWin's order, by position.
QList<qint64> spaceIDs(const Reading& reading);
// The current desktop's SpaceID; the first desktop's when KWin names none it lists, 0 when it lists none.
quint64 activeSpace(const Reading& reading);
// The listed desktop with that SpaceID, if any.
const Desktop* desktopOf(const Reading& reading, SpaceID spaceID);

} // namespace KWinDesktops
