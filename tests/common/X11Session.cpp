// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "X11Session.h"

#include <QFile>
#include <QRandomGenerator>
#include <QStandardPaths>

#include <xcb/xcb.h>

#include <csignal>
#include <cstdlib>
#include <unistd.h>

X11Session::X11Session() = default;

X11Session::~X11Session() {
    for (auto it = m_programs.rbegin(); it != m_programs.rend(); ++it) {
        (*it)->terminate();
        if (!(*it)->waitForFinished(3000)) {
            (*it)->kill();
            (*it)->waitForFinished(3000);
        }
    }
    if (m_server) {
        m_server->terminate();
        m_server->waitForFinished(3000);
    }
}

bool X11Session::start(QSize screenSize, QString* error) {
    // A display number of our own choosing: Xvfb refuses one that is taken (its lock file says so), and then we try
    // another. (-displayfd would pick one for us, but races other servers starting at the same moment.)
    for (int attempt = 0; attempt < 20; ++attempt) {
        if (startServer(QRandomGenerator::global()->bounded(100, 30000), screenSize)) {
            return true;
        }
    }
    *error = QStringLiteral("Xvfb did not start");
    return false;
}

bool X11Session::startServer(int displayNumber, QSize screenSize) {
    m_display = QStringLiteral(":%1").arg(displayNumber);
    m_server = std::make_unique<QProcess>();
    m_server->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_server->start(QStringLiteral("Xvfb"),
                    {m_display, QStringLiteral("-screen"), QStringLiteral("0"),
                     QStringLiteral("%1x%2x24").arg(screenSize.width()).arg(screenSize.height()),
                     QStringLiteral("-nolisten"), QStringLiteral("tcp"), QStringLiteral("-noreset")});
    if (!m_server->waitForStarted()) {
        return false;
    }
    // Programs started right away must find the server accepting connections. (-noreset: without it the server
    // resets when this probe, its last client, leaves, and refuses whoever connects meanwhile.)
    const QByteArray displayName = m_display.toLatin1();
    for (int wait = 0; wait < 200 && m_server->state() == QProcess::Running; ++wait) {
        xcb_connection_t* connection = xcb_connect(displayName.constData(), nullptr);
        const bool connected = xcb_connection_has_error(connection) == 0;
        xcb_disconnect(connection);
        if (connected && m_server->state() == QProcess::Running) {
            return true;
        }
        m_server->waitForFinished(50);
    }
    m_server->kill();
    m_server->waitForFinished();
    return false;
}

QProcessEnvironment X11Session::environment() const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), m_display);
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_config.path());
    for (const char* name : {"WAYLAND_DISPLAY", "SWAYSOCK", "I3SOCK", "QT_QPA_PLATFORM", "QT_LOGGING_RULES"}) {
        environment.remove(QString::fromLatin1(name));
    }
    // No session bus, said outright: without an address libdbus would try to start one through the X server, and
    // that attempt leaks, which the sanitizer build reports as a crash when the program ends.
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
                       QStringLiteral("unix:path=") + m_runtime.filePath(QStringLiteral("no-session-bus")));
    return environment;
}

QProcess& X11Session::launch(const QString& program, const QStringList& arguments, QProcessEnvironment environment) {
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(environment.isEmpty() ? this->environment() : environment);
    process->start(program, arguments);
    process->waitForStarted();
    m_programs.push_back(std::move(process));
    return *m_programs.back();
}

QImage X11Session::grab(const QRect& rectangle) const {
    QImage image;
    xcb_connection_t* connection = xcb_connect(m_display.toLatin1().constData(), nullptr);
    if (xcb_connection_has_error(connection) == 0) {
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
        xcb_get_image_reply_t* reply = xcb_get_image_reply(
            connection,
            xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, screen->root, static_cast<int16_t>(rectangle.x()),
                          static_cast<int16_t>(rectangle.y()), static_cast<uint16_t>(rectangle.width()),
                          static_cast<uint16_t>(rectangle.height()), ~0u),
            nullptr);
        if (reply != nullptr && reply->depth == 24) {
            // 24-bit Z pixmaps come as 32 bits per pixel, blue first: the layout of QImage's RGB32.
            image =
                QImage(xcb_get_image_data(reply), rectangle.width(), rectangle.height(), QImage::Format_RGB32).copy();
        }
        std::free(reply);
    }
    xcb_disconnect(connection);
    return image;
}

QString X11Session::run(const QString& program, const QStringList& arguments) const {
    QProcess process;
    process.setProcessEnvironment(environment());
    process.start(program, arguments);
    if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        return QStringLiteral("failed: ") + QString::fromUtf8(process.readAllStandardError());
    }
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

QString X11Session::writeConfigFile(const QString& name, const QByteArray& content) const {
    const QString path = configFolder() + QLatin1Char('/') + name;
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(content);
    }
    return path;
}
