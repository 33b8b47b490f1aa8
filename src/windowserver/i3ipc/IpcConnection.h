// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QLocalSocket>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <deque>
#include <functional>

// One connection to an i3 or sway IPC socket: framed requests, each answered in order by a reply of its own type,
// and events. Reads whatever arrives at once, so that the window manager never waits for us. Anything that makes the
// stream unreadable, or a silence while an answer is due, closes the connection and is reported once.
class IpcConnection : public QObject {
    Q_OBJECT

public:
    enum class Failure {
        Unreachable, // nothing listens at the path (yet)
        Lost,        // the connection closed or broke down
    };
    using ReplyHandler = std::function<void(const QByteArray& payload)>;

    explicit IpcConnection(std::chrono::milliseconds answerTimeout, QObject* parent = nullptr);
    ~IpcConnection() override;

    // Connects; requests made before the connection is up wait for it.
    void open(const QString& socketPath);
    // Drops the connection with its pending requests and any failure not yet reported.
    void close();
    void request(quint32 type, QByteArrayView payload, ReplyHandler onReply);

signals:
    void eventReceived(quint32 type, const QByteArray& payload);
    // Comes on a later turn of the event loop; the connection is closed by then.
    void failed(IpcConnection::Failure failure, const QString& reason);

private:
    void send(const QByteArray& message);
    void readMessages();
    void fail(Failure failure, const QString& reason);
    void closedByPeer();
    void timedOut();
    void watchForAnswers();

    struct PendingRequest {
        quint32 type;
        ReplyHandler onReply;
    };

    const std::chrono::milliseconds m_answerTimeout;
    QLocalSocket m_socket;
    QTimer m_watchdog;
    QByteArray m_received;
    QByteArray m_unsent; // requests made while connecting
    std::deque<PendingRequest> m_pending;
    bool m_active = false;
    // Grows with every close, so that a failure found before it is not reported after it.
    quint64 m_generation = 0;
};
