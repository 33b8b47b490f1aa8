// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "core/SpaceID.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

// The SpaceID of an i3 or sway workspace. The IPC's "id" changes whenever a workspace is destroyed and created
// again, so identity comes from what the user chose: a workspace whose name starts with a number ("3", "3: mail")
// is Space 3, whatever the rest of its name; any other workspace is known by its whole name, hashed (HashedSpaceID),
// so that named workspaces rank after numbered ones (a Space's default name follows its rank).
namespace WorkspaceIdentity {

// `number` as the window manager reports it ("num"): negative (or out of range) for a workspace without one.
SpaceID spaceID(qint64 number, QStringView name);
// The same for a name alone, as a key binding gives it: the number is read from the name's leading digits.
SpaceID spaceIDForName(QStringView name);
// What the user wrote after the number ("3: mail" gives "mail", "3" nothing), or a name without a number.
QString givenName(QStringView name);
// The command that goes to the workspace, whether or not it exists yet; nothing for a workspace without a number
// whose name is unknown.
QByteArray switchCommand(SpaceID spaceID, QStringView name);
// The command that names a numbered workspace "N: name" (or "N" for an empty name); nothing for a named workspace,
// whose name is its identity.
QByteArray renameCommand(SpaceID spaceID, QStringView currentName, QStringView newName);

} // namespace WorkspaceIdentity
