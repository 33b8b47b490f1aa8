// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "instance/InstanceListener.h"

#include "core/Diagnostics.h"

#include <QFile>
#include <QLocalSocket>
#include <QSocketNotifier>
#include <QTimer>

#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// How soon accepting is tried again after it failed for want of memory.
constexpr auto retryDelay = std::chrono::milliseconds(100);
constexpr int longestBatch = 64;

} // namespace

InstanceListener::InstanceListener(QObject* parent)
    : QObject(parent)
    , m_reserve(::open("/dev/null", O_RDONLY | O_CLOEXEC)) {}

InstanceListener::~InstanceListener() {
    if (m_reserve >= 0) {
        ::close(m_reserve);
    }
    if (m_descriptor >= 0) {
        ::close(m_descriptor);
        ::unlink(QFile::encodeName(m_path).constData());
    }
}

bool InstanceListener::listen(const QString& path, QString* error) {
    m_path = path;
    const QByteArray encoded = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (encoded.size() >= qsizetype(sizeof address.sun_path)) {
        *error = QStringLiteral("%1: the path is too long for a socket").arg(path);
        return false;
    }
    std::memcpy(address.sun_path, encoded.constData(), size_t(encoded.size()));
    ::unlink(encoded.constData());
    m_descriptor = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (m_descriptor < 0 || ::bind(m_descriptor, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::chmod(encoded.constData(), 0600) != 0 || ::listen(m_descriptor, SOMAXCONN) != 0) {
        *error = QStringLiteral("%1: %2").arg(path, Diagnostics::systemError());
        return false;
    }
    m_notifier = new QSocketNotifier(m_descriptor, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &InstanceListener::acceptPending);
    return true;
}

void InstanceListener::acceptPending() {
    // A bounded batch, so that a client that never stops connecting cannot keep the event loop here.
    for (int batch = 0; batch < longestBatch; ++batch) {
        int connection = ::accept4(m_descriptor, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (connection < 0 && (errno == EMFILE || errno == ENFILE) && m_reserve >= 0) {
            // Out of descriptors: the reserve makes room to take the connection and drop it, so that the backlog
            // drains (its clients try again) instead of queueing every later start behind a flood.
            if (!std::exchange(m_failing, true)) {
                Diagnostics::systemLog(
                    QStringLiteral("⚠️ Out of descriptors: dropping connections on %1 for now").arg(m_path));
            }
            ::close(m_reserve);
            connection = ::accept4(m_descriptor, nullptr, nullptr, SOCK_CLOEXEC);
            if (connection >= 0) {
                ::close(connection);
            }
            m_reserve = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
            continue;
        }
        if (connection < 0) {
            if (errno == EINTR || errno == ECONNABORTED) {
                continue;
            }
            if (errno != EAGAIN && errno != EWOULDBLOCK) {
                // No reserve (or no memory): the connection waits in the backlog while accepting pauses.
                m_notifier->setEnabled(false);
                QTimer::singleShot(retryDelay, this, [this] {
                    m_notifier->setEnabled(true);
                    acceptPending();
                });
            }
            return;
        }
        m_failing = false;
        auto* socket = new QLocalSocket(this);
        socket->setSocketDescriptor(connection);
        emit accepted(socket);
    }
}
