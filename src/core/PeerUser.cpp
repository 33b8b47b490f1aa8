// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "core/PeerUser.h"

#include <sys/socket.h>
#include <unistd.h>

namespace PeerUser {

bool isSameUser(int socketDescriptor) {
    ucred credentials{};
    socklen_t size = sizeof credentials;
    return ::getsockopt(socketDescriptor, SOL_SOCKET, SO_PEERCRED, &credentials, &size) == 0 &&
           credentials.uid == ::getuid();
}

} // namespace PeerUser
