// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "windowserver/WindowServer.h"

#include <QString>

// A window server the program follows: opened once, which takes the first reading (the state at start), and started
// once the program is ready for its notifications.
class WindowServerBackend : public WindowServer {
public:
    // Connects and takes the first reading; the reason when it cannot.
    virtual QString open() = 0;
    // Announces every change from the next turn of the event loop on. Backends that
    // follow from open() on need nothing here: nothing reaches them before the event loop runs.
    virtual void start() {}
};
