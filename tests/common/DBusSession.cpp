// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "DBusSession.h"

#include <QDeadlineTimer>

DBusSession::DBusSession() = default;

DBusSession::~DBusSession() {
    if (m_daemon) {
        m_daemon->terminate();
        if (!m_daemon->waitForFinished(3000)) {
            m_daemon->kill();
            m_daemon->waitForFinished();
        }
    }
}

bool DBusSession::start(QString* error, const QProcessEnvironment& environment) {
    if (!m_folder.isValid()) {
        *error = QStringLiteral("no temporary folder for the bus");
        return false;
    }
    m_daemon = std::make_unique<QProcess>();
    m_daemon->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_daemon->setProcessEnvironment(environment);
    m_daemon->start(QStringLiteral("dbus-daemon"),
                    {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--nopidfile"),
                     QStringLiteral("--print-address=1"),
                     QStringLiteral("--address=unix:path=") + m_folder.filePath(QStringLiteral("bus"))});
    if (!m_daemon->waitForStarted()) {
        *error = QStringLiteral("dbus-daemon did not start: %1").arg(m_daemon->errorString());
        return false;
    }
    // The daemon prints its address once it listens.
    const QDeadlineTimer deadline(10000);
    while (!m_daemon->canReadLine() && m_daemon->state() == QProcess::Running && !deadline.hasExpired()) {
        m_daemon->waitForReadyRead(100);
    }
    if (!m_daemon->canReadLine()) {
        *error = QStringLiteral("dbus-daemon did not start: %1").arg(m_daemon->errorString());
        return false;
    }
    m_address = QString::fromUtf8(m_daemon->readLine().trimmed());
    return true;
}

QProcessEnvironment DBusSession::withBus(QProcessEnvironment environment) const {
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_address);
    return environment;
}
