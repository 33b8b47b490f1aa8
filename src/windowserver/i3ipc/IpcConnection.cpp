// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "windowserver/i3ipc/IpcConnection.h"

#include "windowserver/i3ipc/IpcMessage.h"

IpcConnection::IpcConnection(std::chrono::milliseconds answerTimeout, QObject* parent)
    : QObject(parent)
    , m_answerTimeout(answerTimeout) {
    m_watchdog.setSingleShot(true);
    connect(&m_watchdog, &QTimer::timeout, this, &IpcConnection::timedOut);
    connect(&m_socket, &QLocalSocket::connected, this, [this] {
        if (m_active) {
            send(std::exchange(m_unsent, {}));
        }
    });
    connect(&m_socket, &QLocalSocket::readyRead, this, &IpcConnection::readMessages);
    connect(&m_socket, &QLocalSocket::disconnected, this, &IpcConnection::closedByPeer);
    connect(&m_socket, &QLocalSocket::errorOccurred, this, [this](QLocalSocket::LocalSocketError error) {
        if (error == QLocalSocket::ServerNotFoundError || error == QLocalSocket::ConnectionRefusedError) {
            fail(Failure::Unreachable, m_socket.errorString());
        } else if (error == QLocalSocket::PeerClosedError) {
            closedByPeer();
        } else {
            fail(Failure::Lost, m_socket.errorString());
        }
    });
}

IpcConnection::~IpcConnection() {
    close(); // before the socket goes, so that its last signals find the connection closed
}

void IpcConnection::open(const QString& socketPath) {
    close();
    m_active = true;
    m_socket.connectToServer(socketPath);
}

void IpcConnection::close() {
    ++m_generation;
    m_active = false;
    m_watchdog.stop();
    m_pending.clear();
    m_received.clear();
    m_unsent.clear();
    m_socket.abort();
}

void IpcConnection::request(quint32 type, QByteArrayView payload, ReplyHandler onReply) {
    if (!m_active) {
        return; // closed: its failure is reported already
    }
    m_pending.push_back({type, std::move(onReply)});
    const QByteArray message = IpcMessage::encode(type, payload);
    if (m_socket.state() == QLocalSocket::ConnectedState) {
        send(message);
    } else {
        m_unsent += message;
    }
    watchForAnswers();
}

void IpcConnection::send(const QByteArray& message) {
    if (!message.isEmpty() && m_socket.write(message) != message.size()) {
        fail(Failure::Lost, m_socket.errorString());
    }
}

void IpcConnection::readMessages() {
    if (!m_active) {
        return;
    }
    if (m_socket.isOpen()) {
        m_received += m_socket.readAll();
    }
    const quint64 generation = m_generation;
    qsizetype offset = 0;
    while (offset < m_received.size()) {
        IpcMessage::Decoded decoded = IpcMessage::decode(QByteArrayView(m_received).sliced(offset));
        if (const auto* fault = std::get_if<IpcMessage::Fault>(&decoded)) {
            fail(Failure::Lost, fault->reason);
            return;
        }
        auto* message = std::get_if<IpcMessage::Message>(&decoded);
        if (message == nullptr) {
            break; // the rest of it is still on its way
        }
        offset += message->size;
        m_watchdog.stop(); // progress: whatever is still due gets a full timeout again
        if ((message->type & IpcMessage::eventBit) != 0) {
            emit eventReceived(message->type, message->payload);
        } else if (m_pending.empty() || m_pending.front().type != message->type) {
            fail(Failure::Lost,
                 QStringLiteral("an answer (%1) that no request asked for").arg(IpcMessage::typeName(message->type)));
            return;
        } else {
            const ReplyHandler onReply = std::move(m_pending.front().onReply);
            m_pending.pop_front();
            onReply(message->payload);
        }
        if (generation != m_generation) {
            return; // closed by whoever handled the message
        }
    }
    m_received.remove(0, offset);
    watchForAnswers();
}

void IpcConnection::watchForAnswers() {
    if (m_pending.empty() && m_received.isEmpty()) {
        m_watchdog.stop();
    } else if (!m_watchdog.isActive()) {
        m_watchdog.start(m_answerTimeout);
    }
}

void IpcConnection::timedOut() {
    const QString awaited = m_pending.empty()
                                ? QStringLiteral("the rest of a message")
                                : QStringLiteral("an answer to %1").arg(IpcMessage::typeName(m_pending.front().type));
    fail(Failure::Lost, QStringLiteral("waited %1 ms in vain for %2").arg(m_answerTimeout.count()).arg(awaited));
}

void IpcConnection::closedByPeer() {
    if (!m_active) {
        return;
    }
    readMessages(); // what came before the end still counts
    if (m_active) {
        fail(Failure::Lost, m_received.isEmpty()
                                ? QStringLiteral("the connection was closed")
                                : QStringLiteral("the connection was closed in the middle of a message"));
    }
}

void IpcConnection::fail(Failure failure, const QString& reason) {
    if (!m_active) {
        return;
    }
    close();
    QMetaObject::invokeMethod(
        this,
        [this, failure, reason, generation = m_generation] {
            if (generation == m_generation) {
                emit failed(failure, reason);
            }
        },
        Qt::QueuedConnection);
}
