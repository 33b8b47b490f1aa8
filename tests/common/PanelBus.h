// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "DBusSession.h"
#include "FakeStatusNotifierHost.h"

#include <QDBusConnection>

#include <memory>

// A private session bus with a panel on it and a connection of the program's own, as status-item tests need.
class PanelBus {
public:
    ~PanelBus() { QDBusConnection::disconnectFromBus(QStringLiteral("vantorel")); }

    // Starts the bus; the panel hosts the watcher when asked to.
    bool start(QString* error, bool hostingTheWatcher) {
        if (!bus.start(error)) {
            return false;
        }
        connection = QDBusConnection::connectToBus(bus.address(), QStringLiteral("vantorel"));
        panel = std::make_unique<FakeStatusNotifierHost>(bus.address(), QStringLiteral("panel"));
        if (hostingTheWatcher && !panel->startWatcher()) {
            *error = QStringLiteral("the watcher's name was taken");
            return false;
        }
        return true;
    }

    DBusSession bus;
    std::unique_ptr<FakeStatusNotifierHost> panel;
    QDBusConnection connection{QString()}; // the program's
};
