// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

// Which workspaces an i3 or sway configuration lets the user reach with a key: the targets of `workspace ...` and
// `move ... workspace ...` commands in `bindsym` and `bindcode` lines (sway's `bindsym { ... }` blocks included),
// after expanding the configuration's `set $name value` variables. Switches that name no workspace (`next`,
// `back_and_forth`, ...) reach none.
namespace ConfigBindings {

// The workspace names in the order the configuration first names them, each once.
QStringList reachableWorkspaces(const QString& configText);
// The workspaces some binding reaches by their whole name rather than with `workspace number`: renaming one of them
// would leave that key going to a new, empty workspace.
QSet<QString> workspacesBoundByName(const QString& configText);

} // namespace ConfigBindings
