// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "windowserver/i3ipc/I3SocketPath.h"

#include "core/PeerUser.h"

#include <QFile>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace I3SocketPath {
namespace {

template <typename Reply>
using Owned = std::unique_ptr<Reply, decltype(&std::free)>;

} // namespace

QString fromRootWindow(const QString& displayName) {
    int screenNumber = 0;
    const std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> connection(
        xcb_connect(displayName.toLocal8Bit().constData(), &screenNumber), &xcb_disconnect);
    if (xcb_connection_has_error(connection.get()) != 0) {
        return {};
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection.get()));
    for (int i = 0; i < screenNumber && screens.rem > 0; ++i) {
        xcb_screen_next(&screens);
    }
    constexpr char atomName[] = "I3_SOCKET_PATH";
    const Owned<xcb_intern_atom_reply_t> atom(
        xcb_intern_atom_reply(connection.get(), xcb_intern_atom(connection.get(), 1, sizeof atomName - 1, atomName),
                              nullptr),
        &std::free);
    if (screens.rem == 0 || atom == nullptr || atom->atom == XCB_ATOM_NONE) {
        return {};
    }
    // A path is at most 108 bytes (sun_path): 1 KiB is plenty.
    const Owned<xcb_get_property_reply_t> property(
        xcb_get_property_reply(
            connection.get(),
            xcb_get_property(connection.get(), 0, screens.data->root, atom->atom, XCB_GET_PROPERTY_TYPE_ANY, 0, 256),
            nullptr),
        &std::free);
    if (property == nullptr || property->format != 8) {
        return {};
    }
    QByteArray path(static_cast<const char*>(xcb_get_property_value(property.get())),
                    xcb_get_property_value_length(property.get()));
    if (const qsizetype end = path.indexOf('\0'); end >= 0) {
        path.truncate(end);
    }
    const QString socketPath = QString::fromLocal8Bit(path);
    // Any X client may set the property: only a socket served by this user's own window manager is taken.
    return isSocket(socketPath) && isServedByThisUser(socketPath) ? socketPath : QString();
}

bool isServedByThisUser(const QString& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray encoded = QFile::encodeName(path);
    if (encoded.size() >= qsizetype(sizeof address.sun_path)) {
        return false;
    }
    std::memcpy(address.sun_path, encoded.constData(), size_t(encoded.size()));
    const int descriptor = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const bool sameUser = descriptor >= 0 &&
                          ::connect(descriptor, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
                          PeerUser::isSameUser(descriptor);
    if (descriptor >= 0) {
        ::close(descriptor);
    }
    return sameUser;
}

bool isSocket(const QString& path) {
    struct stat status {};
    return !path.isEmpty() && ::stat(path.toLocal8Bit().constData(), &status) == 0 && S_ISSOCK(status.st_mode);
}

} // namespace I3SocketPath
