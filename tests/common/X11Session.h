// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ProgramHome.h"
#include "Processes.h"
#include "RequirePrograms.h"

#include <QImage>
#include <QRandomGenerator>

#include <xcb/xcb.h>

#include <cstdlib>
#include <vector>

// A private X server (Xvfb) with the programs a test starts on it, all ended when the session ends, and folders of
// its own for them.
class X11Session : public ProgramHome {
public:
    // Starts Xvfb; false with a reason when it could not.
    bool start(QSize screenSize, QString* error) {
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
    QString display() const { return m_display; }
    QProcessEnvironment environment() const {
        QProcessEnvironment environment = ProgramHome::environment();
        environment.insert(QStringLiteral("DISPLAY"), m_display);
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        // No session bus, said outright: without an address libdbus would try to start one through the X server, and
        // that attempt leaks, which the sanitizer build reports as a crash when the program ends.
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
                           QStringLiteral("unix:path=") + runtimeFolder() + QStringLiteral("/no-session-bus"));
        return environment;
    }

    // Starts a program on the display; it is ended with the session.
    QProcess& launch(const QString& program, const QStringList& arguments,
                     QProcessEnvironment environment = QProcessEnvironment()) {
        OwnedProgram process = newProgram();
        process->setProcessEnvironment(environment.isEmpty() ? this->environment() : environment);
        process->start(program, arguments);
        process->waitForStarted();
        m_programs.push_back(std::move(process));
        return *m_programs.back();
    }
    // Pixels of the root window in that rectangle, straight from the X server.
    QImage grab(const QRect& rectangle) const {
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
                image = QImage(xcb_get_image_data(reply), rectangle.width(), rectangle.height(), QImage::Format_RGB32)
                            .copy();
            }
            std::free(reply);
        }
        xcb_disconnect(connection);
        return image;
    }
    // Runs a program on the display to its end: whether it succeeded.
    bool succeeds(const QString& program, const QStringList& arguments) const {
        return runProgram(program, arguments, environment(), 10000).succeeded;
    }
    // Runs a program on the display to its end: what it printed, or "failed: " and its errors.
    QString run(const QString& program, const QStringList& arguments) const {
        const ProgramRun run = runProgram(program, arguments, environment(), 10000);
        return run.succeeded ? QString::fromUtf8(run.output).trimmed()
                             : QStringLiteral("failed: ") + QString::fromUtf8(run.errors);
    }

private:
    bool startServer(int displayNumber, QSize screenSize) {
        m_display = QStringLiteral(":%1").arg(displayNumber);
        m_server = newProgram();
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
        m_server.reset();
        return false;
    }

    OwnedProgram m_server;
    std::vector<OwnedProgram> m_programs; // after the server: ended before it
    QString m_display;
};
