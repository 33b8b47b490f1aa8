// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

// Where per-user configuration lives on a freedesktop system.
namespace XdgConfig {

// $XDG_CONFIG_HOME/<name>, or ~/.config/<name> when the variable is unset or not absolute (the base directory
// rules say to ignore a relative one).
QString folder(const QString& name);

} // namespace XdgConfig
