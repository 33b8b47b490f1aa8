// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "SwaySession.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <unistd.h>

SwaySession::SwaySession() = default;

SwaySession::~SwaySession() {
    stop();
}

bool SwaySession::start(const QByteArray& config, QString* error, int outputs) {
    const QString configPath = m_runtime.filePath(QStringLiteral("config"));
    QFile file(configPath);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write("xwayland disable\noutput HEADLESS-1 resolution 800x600\n" + config) < 0) {
        *error = QStringLiteral("cannot write %1").arg(configPath);
        return false;
    }
    file.close();
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
    environment.insert(QStringLiteral("WLR_HEADLESS_OUTPUTS"), QString::number(outputs));
    m_sway = std::make_unique<QProcess>();
    m_sway->setProcessEnvironment(environment);
    m_sway->setStandardOutputFile(m_runtime.filePath(QStringLiteral("sway.log")));
    m_sway->setStandardErrorFile(m_runtime.filePath(QStringLiteral("sway.log")), QIODevice::Append);
    const QString id = QString::number(unprivilegedId);
    m_sway->start(QStringLiteral("setpriv"),
                  {QStringLiteral("--reuid=") + id, QStringLiteral("--regid=") + id, QStringLiteral("--clear-groups"),
                   QStringLiteral("sway"), QStringLiteral("-c"), configPath});
    m_sway->waitForStarted();
    const QDeadlineTimer deadline(15000);
    while (!deadline.hasExpired() && m_sway->state() == QProcess::Running && !message({"-t", "get_version"})) {
        QThread::msleep(50);
    }
    if (!message({"-t", "get_version"})) {
        QFile log(m_runtime.filePath(QStringLiteral("sway.log")));
        log.open(QIODevice::ReadOnly);
        *error = QStringLiteral("sway did not start (%1, exit code %2): %3")
                     .arg(m_sway->errorString())
                     .arg(m_sway->exitCode())
                     .arg(QString::fromUtf8(log.readAll().right(2000)));
        return false;
    }
    return true;
}

void SwaySession::stop() {
    if (m_sway && m_sway->state() != QProcess::NotRunning) {
        m_sway->terminate();
        if (!m_sway->waitForFinished(5000)) {
            m_sway->kill();
            m_sway->waitForFinished(3000);
        }
    }
    // sway takes the path in SWAYSOCK only when nothing is there yet.
    QFile::remove(socketPath());
}

QString SwaySession::waylandSocketPath() const {
    // sway takes the first free name (wayland-1, ...); its lock file beside it is a plain file, which System leaves
    // out.
    const QFileInfoList sockets =
        QDir(m_runtime.path()).entryInfoList({QStringLiteral("wayland-*")}, QDir::System | QDir::NoDotAndDotDot);
    return sockets.isEmpty() ? QString() : sockets.constFirst().absoluteFilePath();
}

QProcessEnvironment SwaySession::clientEnvironment() const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "I3SOCK", "DBUS_SESSION_BUS_ADDRESS", "QT_LOGGING_RULES"}) {
        environment.remove(QString::fromLatin1(name));
    }
    environment.insert(QStringLiteral("SWAYSOCK"), socketPath());
    if (const QString wayland = waylandSocketPath(); !wayland.isEmpty()) {
        environment.insert(QStringLiteral("WAYLAND_DISPLAY"), wayland);
    }
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_clientRuntime.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_clientConfig.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return environment;
}

bool SwaySession::message(const QStringList& arguments) const {
    QProcess swaymsg;
    swaymsg.setProcessEnvironment(clientEnvironment());
    swaymsg.start(QStringLiteral("swaymsg"), QStringList{QStringLiteral("-s"), socketPath()} + arguments);
    return swaymsg.waitForFinished(5000) && swaymsg.exitStatus() == QProcess::NormalExit && swaymsg.exitCode() == 0;
}

QImage SwaySession::screenshot() const {
    QProcess grim;
    grim.setProcessEnvironment(clientEnvironment());
    // PPM: no compression to wait for when a test polls for a change.
    grim.start(QStringLiteral("grim"), {QStringLiteral("-t"), QStringLiteral("ppm"), QStringLiteral("-")});
    if (!grim.waitForFinished(10000) || grim.exitStatus() != QProcess::NormalExit || grim.exitCode() != 0) {
        return {};
    }
    return QImage::fromData(grim.readAllStandardOutput(), "PPM");
}
