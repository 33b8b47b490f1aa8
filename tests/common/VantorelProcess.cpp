// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "VantorelProcess.h"

#include "DiagnosticsCapture.h"
#include "settings/DefaultsStore.h"
#include "settings/SettingsManager.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QLocalSocket>
#include <QRegularExpression>
#include <QTest>

#include <csignal>
#include <sys/socket.h>

VantorelProcess::VantorelProcess(QProcessEnvironment environment) {
    m_process.setProcessEnvironment(environment);
    m_process.setProcessChannelMode(QProcess::MergedChannels);
}

VantorelProcess::~VantorelProcess() {
    if (isRunning()) {
        m_process.kill();
        m_process.waitForFinished(3000);
    }
}

bool VantorelProcess::start(const QStringList& arguments) {
    return start(QStringLiteral(VANTOREL_BINARY), arguments);
}

bool VantorelProcess::start(const QString& program, const QStringList& arguments) {
    m_process.start(program, arguments);
    return m_process.waitForStarted();
}

int VantorelProcess::stop() {
    ::kill(static_cast<pid_t>(m_process.processId()), SIGTERM);
    if (!m_process.waitForFinished(10000)) {
        return -1;
    }
    readLines();
    return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
}

qsizetype VantorelProcess::waitForLine(const QString& text, qsizetype from, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        readLines();
        for (qsizetype i = from; i < m_lines.size(); ++i) {
            if (m_lines[i].contains(text)) {
                return i;
            }
        }
        if (deadline.hasExpired() || !isRunning()) {
            return -1;
        }
        QTest::qWait(10);
    }
}

const QStringList& VantorelProcess::lines() {
    readLines();
    return m_lines;
}

QByteArray VantorelProcess::transcript() {
    return lines().join(QLatin1Char('\n')).right(6000).toUtf8();
}

void VantorelProcess::readLines() {
    static const QRegularExpression logPrefix(
        QStringLiteral(R"(^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3} vantorel\[\d+\] )"));
    m_pending += m_process.readAll();
    for (qsizetype end = m_pending.indexOf('\n'); end >= 0; end = m_pending.indexOf('\n')) {
        m_lines.append(QString::fromUtf8(m_pending.left(end)).remove(logPrefix));
        m_pending.remove(0, end + 1);
    }
}

void storeSpaceConfig(const QString& configHome, SpaceID spaceID, const QString& name, const QString& color) {
    const DiagnosticsCapture quiet;
    DefaultsStore store(configHome + QStringLiteral("/vantorel"));
    SettingsManager settings(store);
    settings.getOrCreateConfig(spaceID, 0);
    settings.updateConfig(spaceID, name, color);
}

void storeMailAndChat(const QString& configHome) {
    storeSpaceConfig(configHome, 1, QStringLiteral("Mail"), mailColour.name());
    storeSpaceConfig(configHome, 2, QStringLiteral("Chat"), chatColour.name());
}

pid_t instanceProcessId(const QString& runtimeFolder) {
    QLocalSocket socket;
    socket.connectToServer(runtimeFolder + QStringLiteral("/vantorel/instance.socket"));
    ucred credentials{};
    socklen_t length = sizeof(credentials);
    if (!socket.waitForConnected(5000) ||
        ::getsockopt(int(socket.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &credentials, &length) != 0) {
        return -1;
    }
    return credentials.pid;
}

qint64 residentKiB(qint64 processId) {
    QFile status(QStringLiteral("/proc/%1/status").arg(processId));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').constFirst().toLongLong();
        }
    }
    return -1;
}
