// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QHash>
#include <QLocalServer>
#include <QLocalSocket>
#include <QObject>

#include <functional>
#include <optional>

// An i3/sway IPC server for tests: it answers SUBSCRIBE, GET_CONFIG and GET_WORKSPACES from what the test set,
// sends events to its subscribers, and misbehaves when told to.
class FakeIpcServer : public QObject {
    Q_OBJECT

public:
    explicit FakeIpcServer(QString socketPath);
    ~FakeIpcServer() override;

    bool listen();
    // Stops listening and closes every client.
    void stop();
    QString socketPath() const { return m_socketPath; }

    // Sends a framed event to every subscriber.
    void sendEvent(quint32 type, const QByteArray& payload);
    // Sends bytes as they are to every subscriber.
    void sendToSubscribers(const QByteArray& bytes);
    void closeSubscribers();
    int requestCount(quint32 type) const { return m_requestCounts.value(type); }

    QByteArray workspaces = R"([{"num":1,"name":"1","focused":true}])";
    QString config;
    // Replaces the answer to a request: the bytes to send (nothing to stay silent); no value for the usual answer.
    std::function<std::optional<QByteArray>(quint32 type)> answerOverride;

private:
    void accept();
    void serve(QLocalSocket* client);
    QByteArray answer(quint32 type, QLocalSocket* client);

    QString m_socketPath;
    QLocalServer m_server;
    QHash<QLocalSocket*, QByteArray> m_received;
    QList<QLocalSocket*> m_subscribers;
    QHash<quint32, int> m_requestCounts;
};
