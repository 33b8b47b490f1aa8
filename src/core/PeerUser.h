// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

// Whether the process at the other end of a connected Unix socket runs as this process's user. A socket path can
// come from places anyone may write (a root window property, a shared folder): talking to another user's process
// would hand it our requests and take its answers for the truth.
namespace PeerUser {

bool isSameUser(int socketDescriptor);

} // namespace PeerUser
