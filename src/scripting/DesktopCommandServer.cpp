// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "scripting/DesktopCommandServer.h"

#include "core/Diagnostics.h"
#include "scripting/DesktopDirectory.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalSocket>
#include <QTimer>

DesktopCommandServer::DesktopCommandServer(DesktopDirectory& directory, QObject* parent)
    : QObject(parent)
    , m_directory(directory) {}

DesktopCommandReply DesktopCommandServer::execute(const DesktopCommand& command) {
    if (command.verb == DesktopCommand::Verb::List) {
        return {DesktopCommandReply::Done, listing(command.json), {}};
    }
    const std::optional<Desktop> desktop =
        command.bySpaceID ? m_directory.withSpaceID(command.desktop) : m_directory.withNumber(command.desktop);
    if (!desktop) {
        return {DesktopCommandReply::Refused,
                {},
                command.bySpaceID ? QStringLiteral("no desktop has the id %1").arg(command.desktop)
                                  : QStringLiteral("there is no desktop %1 (there are %2)")
                                        .arg(command.desktop)
                                        .arg(m_directory.desktops().size())};
    }
    QString problem;
    switch (command.verb) {
    case DesktopCommand::Verb::Rename:
        problem = m_directory.rename(desktop->spaceID, command.value);
        break;
    case DesktopCommand::Verb::Recolor:
        problem = m_directory.recolor(desktop->spaceID, command.value);
        break;
    case DesktopCommand::Verb::Switch:
        problem = m_directory.switchTo(desktop->spaceID);
        break;
    case DesktopCommand::Verb::List: // answered above
        break;
    }
    if (!problem.isEmpty()) {
        return {DesktopCommandReply::Refused, {}, QStringLiteral("desktop %1: %2").arg(desktop->number).arg(problem)};
    }
    return {};
}

QString DesktopCommandServer::listing(bool json) {
    const QList<Desktop> desktops = m_directory.desktops();
    if (json) {
        QJsonArray array;
        for (const Desktop& desktop : desktops) {
            array.append(QJsonObject{{QStringLiteral("number"), desktop.number},
                                     {QStringLiteral("id"), desktop.spaceID},
                                     {QStringLiteral("name"), desktop.name},
                                     {QStringLiteral("color"), desktop.color},
                                     {QStringLiteral("active"), desktop.active},
                                     {QStringLiteral("output"),
                                      desktop.output ? QJsonValue(*desktop.output) : QJsonValue(QJsonValue::Null)}});
        }
        return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact)) + QLatin1Char('\n');
    }
    // The name last, so that a script can take everything after the colour as the name.
    const int width = int(QString::number(desktops.size()).size());
    QString text;
    for (const Desktop& desktop : desktops) {
        text += QStringLiteral("%1%2 %3 %4\n")
                    .arg(desktop.number, width)
                    .arg(desktop.active ? QLatin1Char('*') : QLatin1Char(' '))
                    .arg(desktop.color, desktop.name);
    }
    return text;
}

void DesktopCommandServer::serve(QLocalSocket* connection) {
    connection->setParent(this);
    connect(connection, &QLocalSocket::readyRead, this, [this, connection] { readCommand(connection); });
    connect(connection, &QLocalSocket::disconnected, connection, &QObject::deleteLater);
    QTimer::singleShot(patienceMs, connection, [connection] { connection->abort(); });
    readCommand(connection);
}

void DesktopCommandServer::readCommand(QLocalSocket* connection) {
    if (!connection->canReadLine()) {
        if (connection->bytesAvailable() > longestRequest) {
            Diagnostics::systemLog(QStringLiteral("❌ Dropped a command longer than %1 bytes").arg(longestRequest));
            connection->abort();
        }
        return;
    }
    disconnect(connection, &QLocalSocket::readyRead, this, nullptr);
    const std::optional<DesktopCommand> command = DesktopCommand::fromLine(connection->readLine().trimmed());
    const DesktopCommandReply reply =
        command ? execute(*command)
                : DesktopCommandReply{DesktopCommandReply::Usage,
                                      {},
                                      QStringLiteral("the running Vantorel does not know this command")};
    connection->write(reply.toLine());
    connection->disconnectFromServer();
}
