// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

// Where i3 listens. i3 names its socket in the I3_SOCKET_PATH property of the X root window and moves it to a new
// folder on every restart, so the property is the current answer; I3SOCK is what the session was told at login.
namespace I3SocketPath {

// The socket that the display's root window names; empty when it names none, names one that another user's process
// serves, or the display can't be reached.
QString fromRootWindow(const QString& displayName);
bool isSocket(const QString& path);
// Whether a process of this user accepts connections on the socket.
bool isServedByThisUser(const QString& path);

} // namespace I3SocketPath
