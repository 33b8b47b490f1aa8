// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "Processes.h"

#include <QProcessEnvironment>
#include <QTemporaryDir>

// A private session bus (dbus-daemon) for tests: programs given its address meet each other on it and never the
// developer's own bus.
class DBusSession {
public:
    // Starts the bus and waits until it takes connections; false with a reason when it could not. Programs the bus
    // starts on demand get `environment`.
    bool start(QString* error, const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());
    // Its address, for DBUS_SESSION_BUS_ADDRESS.
    QString address() const { return m_address; }
    // `environment` with this bus as the session bus.
    QProcessEnvironment withBus(QProcessEnvironment environment) const;

    // Waits until `name` is on the bus at `address`; false when it did not come in time, or `program` ended first.
    static bool waitForName(const QString& address, const QString& name, int timeoutMs, QProcess* program = nullptr);

private:
    QTemporaryDir m_folder;
    OwnedProgram m_daemon;
    QString m_address;
};
