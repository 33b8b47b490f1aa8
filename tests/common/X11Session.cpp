#include "X11Session.h"

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
    // Xvfb picks a free display number and writes it to the descriptor it is given.
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) {
        *error = QStringLiteral("no pipe");
        return false;
    }
    m_server = std::make_unique<QProcess>();
    m_server->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_server->setChildProcessModifier([writeEnd = pipeEnds[1], readEnd = pipeEnds[0]] {
        ::close(readEnd);
        ::dup2(writeEnd, 3);
    });
    m_server->start(QStringLiteral("Xvfb"),
                    {QStringLiteral("-displayfd"), QStringLiteral("3"), QStringLiteral("-screen"), QStringLiteral("0"),
                     QStringLiteral("%1x%2x24").arg(screenSize.width()).arg(screenSize.height()),
                     QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    ::close(pipeEnds[1]);
    QByteArray number;
    char c = 0;
    while (::read(pipeEnds[0], &c, 1) == 1 && c != '\n') {
        number += c;
    }
    ::close(pipeEnds[0]);
    if (!m_server->waitForStarted() || number.isEmpty()) {
        *error = QStringLiteral("Xvfb did not start");
        return false;
    }
    m_display = QStringLiteral(":") + QString::fromLatin1(number);
    // Programs started right away must find the server accepting connections.
    const QByteArray displayName = m_display.toLatin1();
    for (int attempt = 0; attempt < 200; ++attempt) {
        xcb_connection_t* connection = xcb_connect(displayName.constData(), nullptr);
        const bool connected = xcb_connection_has_error(connection) == 0;
        xcb_disconnect(connection);
        if (connected) {
            return true;
        }
        ::usleep(50 * 1000);
    }
    *error = QStringLiteral("Xvfb on %1 accepts no connection").arg(m_display);
    return false;
}

QProcessEnvironment X11Session::environment() const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), m_display);
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_config.path());
    for (const char* name :
         {"WAYLAND_DISPLAY", "SWAYSOCK", "I3SOCK", "QT_QPA_PLATFORM", "QT_LOGGING_RULES", "DBUS_SESSION_BUS_ADDRESS"}) {
        environment.remove(QString::fromLatin1(name));
    }
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
