// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "Processes.h"
#include "VantorelProcess.h"
#include "instance/SingleInstance.h"

#include <QDeadlineTimer>
#include <QProcessEnvironment>
#include <QThread>
#include <QTemporaryDir>

#include <csignal>

// Config and runtime folders of a test's own, so that a program under test never meets the developer's settings or
// running instance. A Vantorel that a feed or a command started there is nobody's child: it is ended with them.
class ProgramHome {
public:
    ProgramHome() = default;
    ~ProgramHome() {
        if (const pid_t program = instanceProcessId(runtimeFolder()); program > 0) {
            ::kill(program, SIGTERM);
            // Not QTRY: after a failure it would not wait.
            const QDeadlineTimer deadline(10000);
            while (SingleInstance(runtimeFolder() + "/vantorel").isInstanceRunning() && !deadline.hasExpired()) {
                QThread::msleep(20);
            }
        }
    }
    ProgramHome(const ProgramHome&) = delete;
    ProgramHome& operator=(const ProgramHome&) = delete;

    QString configFolder() const { return m_config.path(); }
    QString runtimeFolder() const { return m_runtime.path(); }
    // Writes a file into the config folder; returns its path.
    QString writeConfigFile(const QString& name, const QByteArray& content) const {
        const QString path = m_config.filePath(name);
        writeFile(path, content);
        return path;
    } // The system's environment without the developer's display, compositor, window manager and session bus, with
      // these folders, and Qt drawing offscreen.
    QProcessEnvironment environment() const {
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

private:
    QTemporaryDir m_config;
    QTemporaryDir m_runtime;
};
