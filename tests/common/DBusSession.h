// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "Processes.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDeadlineTimer>
#include <QProcessEnvironment>
#include <QTest>
#include <QTemporaryDir>

// A private session bus (dbus-daemon) for tests: programs given its address meet each other on it and never the
// developer's own bus.
class DBusSession {
public:
    // Starts the bus and waits until it takes connections; false with a reason when it could not. Programs the bus
    // starts on demand get `environment`.
    bool start(QString* error, const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
        m_daemon = newProgram();
        m_daemon->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_daemon->setProcessEnvironment(environment);
        m_daemon->start(QStringLiteral("dbus-daemon"),
                        {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--nopidfile"),
                         QStringLiteral("--print-address=1"),
                         QStringLiteral("--address=unix:path=") + m_folder.filePath(QStringLiteral("bus"))});
        // The daemon prints its address once it listens.
        const QDeadlineTimer deadline(10000);
        while (!m_daemon->canReadLine() && m_daemon->state() != QProcess::NotRunning && !deadline.hasExpired()) {
            m_daemon->waitForReadyRead(100);
        }
        if (!m_daemon->canReadLine()) {
            *error = QStringLiteral("dbus-daemon did not start: %1").arg(m_daemon->errorString());
            return false;
        }
        m_address = QString::fromUtf8(m_daemon->readLine().trimmed());
        return true;
    } // Its address, for DBUS_SESSION_BUS_ADDRESS.
    QString address() const { return m_address; }
    // `environment` with this bus as the session bus.
    QProcessEnvironment withBus(QProcessEnvironment environment) const {
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_address);
        return environment;
    }
    // Waits until `name` is on the bus at `address`; false when it did not come in time, or `program` ended first.
    static bool waitForName(const QString& address, const QString& name, int timeoutMs, QProcess* program = nullptr) {
        const QString connectionName = QStringLiteral("waiting for ") + name;
        bool found = false;
        {
            const QDBusConnection bus = QDBusConnection::connectToBus(address, connectionName);
            const QDeadlineTimer deadline(timeoutMs);
            // Watching the program as well notices one that gave up (a file it could not read, say) at once.
            while (!(found = bus.isConnected() && bus.interface()->isServiceRegistered(name).value()) &&
                   !deadline.hasExpired() && (program == nullptr || program->state() != QProcess::NotRunning)) {
                QTest::qWait(50);
            }
        }
        QDBusConnection::disconnectFromBus(connectionName);
        return found;
    }

private:
    QTemporaryDir m_folder;
    OwnedProgram m_daemon;
    QString m_address;
};
