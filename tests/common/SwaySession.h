// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ProgramHome.h"
#include "Processes.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QThread>

#include <unistd.h>

// A headless sway for tests. sway refuses to run as root, so it runs as nobody (uid and gid 65534, which every
// Debian system has) in a runtime folder of its own; root reaches its IPC socket all the same.
class SwaySession {
public:
    static constexpr uint unprivilegedId = 65534;

    // Starts sway on `config` (a headless output HEADLESS-1 and no Xwayland are added) and waits for its socket.
    bool start(const QByteArray& config, QString* error) {
        const QString configPath = m_runtime.filePath(QStringLiteral("config"));
        if (!writeFile(configPath, "xwayland disable\noutput HEADLESS-1 resolution 800x600\n" + config)) {
            *error = QStringLiteral("cannot write %1").arg(configPath);
            return false;
        }
        for (const QString& path : {m_runtime.path(), configPath}) {
            if (::chown(QFile::encodeName(path).constData(), unprivilegedId, unprivilegedId) != 0) {
                *error = QStringLiteral("cannot hand %1 to uid %2").arg(path).arg(unprivilegedId);
                return false;
            }
        }
        QProcessEnvironment environment;
        environment.insert(QStringLiteral("PATH"), QStringLiteral("/usr/local/bin:/usr/bin:/bin"));
        environment.insert(QStringLiteral("HOME"), m_runtime.path());
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
        environment.insert(QStringLiteral("SWAYSOCK"), socketPath());
        environment.insert(QStringLiteral("WLR_BACKENDS"), QStringLiteral("headless"));
        environment.insert(QStringLiteral("WLR_RENDERER"), QStringLiteral("pixman"));
        environment.insert(QStringLiteral("WLR_LIBINPUT_NO_DEVICES"), QStringLiteral("1"));
        m_sway = newProgram();
        m_sway->setProcessEnvironment(environment);
        m_sway->setStandardOutputFile(m_runtime.filePath(QStringLiteral("sway.log")));
        m_sway->setStandardErrorFile(m_runtime.filePath(QStringLiteral("sway.log")), QIODevice::Append);
        const QString id = QString::number(unprivilegedId);
        m_sway->start(QStringLiteral("setpriv"),
                      {QStringLiteral("--reuid=") + id, QStringLiteral("--regid=") + id,
                       QStringLiteral("--clear-groups"), QStringLiteral("sway"), QStringLiteral("-c"), configPath});
        m_sway->waitForStarted();
        const QDeadlineTimer deadline(15000);
        while (!deadline.hasExpired() && m_sway->state() == QProcess::Running && !message({"-t", "get_version"})) {
            QThread::msleep(50);
        }
        if (!message({"-t", "get_version"})) {
            *error = QStringLiteral("sway did not start (%1, exit code %2): %3")
                         .arg(m_sway->errorString())
                         .arg(m_sway->exitCode())
                         .arg(QString::fromUtf8(readFile(m_runtime.filePath(QStringLiteral("sway.log"))).right(2000)));
            return false;
        }
        return true;
    }
    QString socketPath() const { return m_runtime.filePath(QStringLiteral("sway-ipc.sock")); }
    // For programs that talk to sway, such as Vantorel, swaymsg and panels: its IPC socket, its Wayland socket as an
    // absolute path (clients have runtime folders of their own) once there is one, and folders of their own.
    QProcessEnvironment clientEnvironment() const {
        QProcessEnvironment environment = m_client.environment();
        environment.insert(QStringLiteral("SWAYSOCK"), socketPath());
        // sway takes the first free name (wayland-1, ...); its lock file beside it is a plain file, which System leaves
        // out.
        for (const QFileInfo& wayland :
             QDir(m_runtime.path()).entryInfoList({QStringLiteral("wayland-*")}, QDir::System | QDir::NoDotAndDotDot)) {
            environment.insert(QStringLiteral("WAYLAND_DISPLAY"), wayland.absoluteFilePath());
        }
        return environment;
    }
    QString clientConfigFolder() const { return m_client.configFolder(); }
    // Runs `swaymsg` with these arguments; whether it succeeded.
    bool message(const QStringList& arguments) const {
        return runProgram(QStringLiteral("swaymsg"), QStringList{QStringLiteral("-s"), socketPath()} + arguments,
                          clientEnvironment(), 5000)
            .succeeded;
    }
    // What sway shows on its output now (taken with grim); a null image when it could not be taken.
    QImage screenshot() const {
        // PPM: no compression to wait for when a test polls for a change.
        const ProgramRun grim =
            runProgram(QStringLiteral("grim"), {QStringLiteral("-t"), QStringLiteral("ppm"), QStringLiteral("-")},
                       clientEnvironment(), 10000);
        return grim.succeeded ? QImage::fromData(grim.output, "PPM") : QImage();
    }

private:
    QTemporaryDir m_runtime; // sway's, owned by the unprivileged user
    ProgramHome m_client;
    OwnedProgram m_sway; // declared last: ended first
};
