// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <memory>

// A private session bus (dbus-daemon) for tests: programs given its address meet each other on it and never the
// developer's own bus.
class DBusSession {
public:
    DBusSession();
    ~DBusSession();
    DBusSession(const DBusSession&) = delete;
    DBusSession& operator=(const DBusSession&) = delete;

    // Starts the bus and waits until it takes connections; false with a reason when it could not. Programs the bus
    // starts on demand get `environment`.
    bool start(QString* error, const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());
    // Its address, for DBUS_SESSION_BUS_ADDRESS.
    QString address() const { return m_address; }
    // `environment` with this bus as the session bus.
    QProcessEnvironment withBus(QProcessEnvironment environment) const;

private:
    QTemporaryDir m_folder;
    std::unique_ptr<QProcess> m_daemon;
    QString m_address;
};
