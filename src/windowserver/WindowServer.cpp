// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "windowserver/WindowServer.h"

namespace {

WindowServer* sharedInstance = nullptr;

} // namespace

WindowServer& WindowServer::shared() {
    Q_ASSERT_X(sharedInstance != nullptr, "WindowServer::shared", "no window server installed");
    return *sharedInstance;
}

void WindowServer::setShared(WindowServer* windowServer) {
    sharedInstance = windowServer;
}
