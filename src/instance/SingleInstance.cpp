// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "instance/SingleInstance.h"

#include "core/Diagnostics.h"
#include "core/PeerUser.h"
#include "instance/InstanceListener.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QMetaMethod>
#include <QPointer>
#include <QStandardPaths>
#include <QTimer>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr char activateRequest[] = "activate\n";
constexpr char confirmation[] = "ok\n";
constexpr char subscribeVerb[] = "subscribe ";
constexpr qint64 longestRequest = 256;
// Connections that have not said what they want yet: a handful are later starts and feeds; beyond that they are a
// flood that would use up the descriptors, after which the listening socket itself would be lost.
constexpr int mostUnansweredConnections = 16;
constexpr auto requestPatience = std::chrono::seconds(2);
// A running instance that is still starting may not listen yet.
constexpr auto handOverPatience = std::chrono::seconds(3);

// Creates the folder private to the user, and refuses one that someone else owns or can enter.
bool preparePrivateFolder(const QString& folder, QString* error) {
    const QByteArray path = QFile::encodeName(folder);
    QDir().mkpath(QFileInfo(folder).absolutePath());
    if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST) {
        if (error != nullptr) {
            *error = QStringLiteral("%1: %2").arg(folder, Diagnostics::systemError());
        }
        return false;
    }
    struct stat info {};
    if (::lstat(path.constData(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::getuid() ||
        (info.st_mode & 077) != 0) {
        if (error != nullptr) {
            *error = QStringLiteral("%1: not a private folder of this user").arg(folder);
        }
        return false;
    }
    return true;
}

bool waitForExclusiveLock(int descriptor) {
    while (::flock(descriptor, LOCK_EX) != 0) {
        if (errno != EINTR) {
            return false;
        }
    }
    return true;
}

// A plain socket, so that clients need no event loop; -1 when nothing listens.
int connectTo(const QByteArray& socketPath) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (socketPath.size() >= qsizetype(sizeof(address.sun_path))) {
        return -1;
    }
    std::memcpy(address.sun_path, socketPath.constData(), static_cast<size_t>(socketPath.size()));
    const int descriptor = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (descriptor >= 0 && (::connect(descriptor, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
                            !PeerUser::isSameUser(descriptor))) {
        ::close(descriptor);
        return -1;
    }
    return descriptor;
}

// One request and its answer.
bool exchange(const QByteArray& socketPath) {
    const int descriptor = connectTo(socketPath);
    if (descriptor < 0) {
        return false;
    }
    bool confirmed = false;
    if (::send(descriptor, activateRequest, sizeof(activateRequest) - 1, MSG_NOSIGNAL) ==
        ssize_t(sizeof(activateRequest) - 1)) {
        pollfd readable{descriptor, POLLIN, 0};
        char answer[sizeof(confirmation)] = {};
        confirmed = ::poll(&readable, 1, 2000) == 1 &&
                    ::recv(descriptor, answer, sizeof(answer) - 1, 0) == ssize_t(sizeof(confirmation) - 1) &&
                    std::strcmp(answer, confirmation) == 0;
    }
    ::close(descriptor);
    return confirmed;
}

} // namespace

QString SingleInstance::standardFolder() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (QDir::isAbsolutePath(runtime) && QFileInfo(runtime).isDir()) {
        return runtime + QStringLiteral("/vantorel");
    }
    // Not a shared folder such as /tmp, where another user could take the name first.
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + QStringLiteral("/vantorel");
}

SingleInstance::SingleInstance(QString folder, QObject* parent)
    : QObject(parent)
    , m_folder(std::move(folder)) {}

SingleInstance::~SingleInstance() {
    delete m_listener; // before the lock goes, so that no later start finds our socket
    if (m_lockDescriptor >= 0) {
        ::close(m_lockDescriptor);
    }
}

QString SingleInstance::socketPath() const {
    return m_folder + QStringLiteral("/instance.socket");
}

bool SingleInstance::acquire(QString* error) {
    if (!preparePrivateFolder(m_folder, error)) {
        return false;
    }
    const QByteArray lockPath = QFile::encodeName(m_folder + QStringLiteral("/instance.lock"));
    m_lockDescriptor = ::open(lockPath.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (m_lockDescriptor < 0) {
        if (error != nullptr) {
            *error = QStringLiteral("%1: %2").arg(QFile::decodeName(lockPath), Diagnostics::systemError());
        }
        return false;
    }
    if (::flock(m_lockDescriptor, LOCK_EX | LOCK_NB) != 0) {
        ::close(m_lockDescriptor);
        m_lockDescriptor = -1;
        return false;
    }
    return true;
}

bool SingleInstance::askRunningInstanceToActivate() const {
    const QByteArray path = QFile::encodeName(socketPath());
    const auto deadline = std::chrono::steady_clock::now() + handOverPatience;
    while (!exchange(path)) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

bool SingleInstance::listen(QString* error) {
    QString reason;
    m_listener = new InstanceListener(this);
    if (!m_listener->listen(socketPath(), &reason)) {
        if (error != nullptr) {
            *error = reason;
        }
        return false;
    }
    connect(m_listener, &InstanceListener::accepted, this, [this](QLocalSocket* client) {
        if (m_unansweredConnections >= mostUnansweredConnections) {
            client->abort();
            client->deleteLater();
            return;
        }
        ++m_unansweredConnections;
        // Counted until the request is read or the connection goes, whichever comes first.
        const QPointer<QObject> unanswered = new QObject(client);
        connect(unanswered, &QObject::destroyed, this, [this] { --m_unansweredConnections; });
        connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
        connect(client, &QLocalSocket::readyRead, this, [this, client, unanswered] {
            if (readRequest(client)) {
                delete unanswered;
            }
        });
        QTimer::singleShot(requestPatience, unanswered, [client] { client->abort(); });
    });
    return true;
}

bool SingleInstance::readRequest(QLocalSocket* client) {
    if (!client->canReadLine()) {
        if (client->bytesAvailable() > longestRequest) {
            client->abort(); // not one of us
            return true;
        }
        return false;
    }
    const QByteArray request = client->readLine(longestRequest + 1);
    if (request == activateRequest) {
        client->write(confirmation);
        client->flush();
        emit activationRequested();
    } else if (request.startsWith(subscribeVerb) && request.endsWith('\n') &&
               isSignalConnected(QMetaMethod::fromSignal(&SingleInstance::subscriptionRequested))) {
        disconnect(client, &QLocalSocket::readyRead, this, nullptr);
        const QByteArray topic = request.sliced(qsizetype(sizeof(subscribeVerb) - 1)).chopped(1);
        emit subscriptionRequested(client, QString::fromUtf8(topic));
        return true;
    }
    client->disconnectFromServer();
    return true;
}

int SingleInstance::connectToRunningInstance() const {
    return connectTo(QFile::encodeName(socketPath()));
}

bool SingleInstance::isInstanceRunning() const {
    const QByteArray lockPath = QFile::encodeName(m_folder + QStringLiteral("/instance.lock"));
    const int descriptor = ::open(lockPath.constData(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        return false; // no instance ever ran here
    }
    const bool held = ::flock(descriptor, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(descriptor);
    return held;
}

int SingleInstance::holdLaunchLock(QString* error, bool* waited) const {
    if (!preparePrivateFolder(m_folder, error)) {
        return -1;
    }
    const QByteArray lockPath = QFile::encodeName(m_folder + QStringLiteral("/launch.lock"));
    const int descriptor = ::open(lockPath.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    const bool free = descriptor >= 0 && ::flock(descriptor, LOCK_EX | LOCK_NB) == 0;
    if (waited != nullptr) {
        *waited = !free;
    }
    if (free || (descriptor >= 0 && waitForExclusiveLock(descriptor))) {
        return descriptor;
    }
    if (error != nullptr) {
        *error = QStringLiteral("%1: %2").arg(QFile::decodeName(lockPath), Diagnostics::systemError());
    }
    if (descriptor >= 0) {
        ::close(descriptor);
    }
    return -1;
}
