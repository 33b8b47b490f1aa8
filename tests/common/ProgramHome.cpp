// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "ProgramHome.h"

#include "Processes.h"
#include "VantorelProcess.h"
#include "instance/SingleInstance.h"

#include <QDeadlineTimer>
#include <QThread>

#include <csignal>

ProgramHome::~ProgramHome() {
    if (const pid_t program = instanceProcessId(runtimeFolder()); program > 0) {
        ::kill(program, SIGTERM);
        // Not QTRY: after a failure it would not wait.
        const QDeadlineTimer deadline(10000);
        while (SingleInstance(runtimeFolder() + "/vantorel").isInstanceRunning() && !deadline.hasExpired()) {
            QThread::msleep(20);
        }
    }
}

QString ProgramHome::writeConfigFile(const QString& name, const QByteArray& content) const {
    const QString path = m_config.filePath(name);
    writeFile(path, content);
    return path;
}

QProcessEnvironment ProgramHome::environment() const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name :
         {"DISPLAY", "WAYLAND_DISPLAY", "SWAYSOCK", "I3SOCK", "DBUS_SESSION_BUS_ADDRESS", "QT_LOGGING_RULES"}) {
        environment.remove(QString::fromLatin1(name));
    }
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configFolder());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeFolder());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return environment;
}
