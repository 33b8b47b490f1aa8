// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "FakeIpcServer.h"

#include "windowserver/i3ipc/IpcMessage.h"

#include <QJsonDocument>
#include <QJsonObject>

FakeIpcServer::FakeIpcServer(QString socketPath)
    : m_socketPath(std::move(socketPath)) {
    connect(&m_server, &QLocalServer::newConnection, this, &FakeIpcServer::accept);
}

FakeIpcServer::~FakeIpcServer() {
    // The clients go with the server; their last signals must not reach this half-destroyed object.
    for (QLocalSocket* client : m_server.findChildren<QLocalSocket*>()) {
        client->disconnect(this);
    }
}

bool FakeIpcServer::listen() {
    QLocalServer::removeServer(m_socketPath);
    return m_server.listen(m_socketPath);
}

void FakeIpcServer::stop() {
    m_server.close();
    for (QLocalSocket* client : m_received.keys()) {
        client->abort();
    }
}

void FakeIpcServer::sendEvent(quint32 type, const QByteArray& payload) {
    sendToSubscribers(IpcMessage::encode(type, payload));
}

void FakeIpcServer::sendToSubscribers(const QByteArray& bytes) {
    for (QLocalSocket* subscriber : std::as_const(m_subscribers)) {
        subscriber->write(bytes);
        subscriber->flush();
    }
}

void FakeIpcServer::closeSubscribers() {
    for (QLocalSocket* subscriber : QList(m_subscribers)) {
        subscriber->disconnectFromServer();
    }
}

void FakeIpcServer::accept() {
    while (QLocalSocket* client = m_server.nextPendingConnection()) {
        m_received.insert(client, {});
        connect(client, &QLocalSocket::readyRead, this, [this, client] { serve(client); });
        connect(client, &QLocalSocket::disconnected, this, [this, client] {
            m_received.remove(client);
            m_subscribers.removeAll(client);
            client->deleteLater();
        });
    }
}

void FakeIpcServer::serve(QLocalSocket* client) {
    QByteArray& received = m_received[client];
    received += client->readAll();
    for (;;) {
        const IpcMessage::Decoded decoded = IpcMessage::decode(received);
        const auto* message = std::get_if<IpcMessage::Message>(&decoded);
        if (message == nullptr) {
            return;
        }
        const quint32 type = message->type;
        received.remove(0, message->size);
        ++m_requestCounts[type];
        const std::optional<QByteArray> replaced = answerOverride ? answerOverride(type) : std::nullopt;
        client->write(replaced ? *replaced : IpcMessage::encode(type, answer(type, client)));
    }
}

QByteArray FakeIpcServer::answer(quint32 type, QLocalSocket* client) {
    switch (type) {
    case IpcMessage::Subscribe:
        m_subscribers.append(client);
        return R"({"success":true})";
    case IpcMessage::GetConfig:
        return QJsonDocument(QJsonObject{{QStringLiteral("config"), config}}).toJson(QJsonDocument::Compact);
    case IpcMessage::GetWorkspaces:
        return workspaces;
    default:
        return R"({"success":false})";
    }
}
