// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "feeds/LabelPublisher.h"

#include "core/Diagnostics.h"
#include "feeds/LabelTopic.h"
#include "scripting/DesktopDirectory.h"
#include "statusbar/StatusItem.h"

#include <QLocalSocket>

LabelPublisher::LabelPublisher(StatusItem& item, DesktopDirectory* directory, QObject* parent)
    : QObject(parent)
    , m_directory(directory) {
    connect(&item, &StatusItem::labelChanged, this, &LabelPublisher::present);
    if (m_directory != nullptr) {
        connect(m_directory, &DesktopDirectory::changed, this, &LabelPublisher::publish);
    }
    if (item.label()) {
        present(*item.label());
    }
}

void LabelPublisher::subscribe(QLocalSocket* connection, const QString& topic) {
    const LabelTopic subscription = LabelTopic::fromText(topic);
    const std::optional<BarFormat> format = BarFormats::named(subscription.format);
    if (!format || connection->bytesAvailable() > 0) {
        Diagnostics::systemLog(QStringLiteral("❌ Dropped a bar feed with a request this program does not know"));
        connection->abort();
        connection->deleteLater();
        return;
    }
    if (qsizetype(m_subscribers.size()) >= mostSubscribers) {
        Diagnostics::systemLog(
            QStringLiteral("❌ Dropped a bar feed: %1 feeds are subscribed already").arg(mostSubscribers));
        connection->abort();
        connection->deleteLater();
        return;
    }
    connection->setParent(this);
    connect(connection, &QLocalSocket::disconnected, this, [this, connection] { drop(connection); });
    connect(connection, &QLocalSocket::readyRead, this, [this, connection] {
        Diagnostics::systemLog(QStringLiteral("❌ Dropped a bar feed that sent more than its request"));
        drop(connection);
    });
    m_subscribers.push_back({connection, *format, subscription.output, std::nullopt});
    Diagnostics::systemLog(QStringLiteral("📡 A %1 feed subscribed").arg(topic));
    update(connection);
}

qsizetype LabelPublisher::subscriberCount(BarFormat format) const {
    return std::count_if(m_subscribers.cbegin(), m_subscribers.cend(),
                         [format](const Subscriber& subscriber) { return subscriber.format == format; });
}

void LabelPublisher::present(const StatusLabel& shown) {
    m_label = BarLabel{shown.name, shown.color};
    publish();
}

void LabelPublisher::publish() {
    // Sending may drop a subscriber.
    QList<QLocalSocket*> connections;
    for (const Subscriber& subscriber : m_subscribers) {
        connections.append(subscriber.connection);
    }
    for (QLocalSocket* connection : connections) {
        update(connection);
    }
}

std::optional<BarLabel> LabelPublisher::labelFor(const QString& output) const {
    if (!output.isEmpty() && m_directory != nullptr) {
        if (const std::optional<Desktop> shown = m_directory->shownOn(output)) {
            return BarLabel{shown->name, shown->color};
        }
    }
    return m_label;
}

void LabelPublisher::update(QLocalSocket* connection) {
    const auto subscriber =
        std::find_if(m_subscribers.begin(), m_subscribers.end(),
                     [connection](const Subscriber& candidate) { return candidate.connection == connection; });
    if (subscriber == m_subscribers.end()) {
        return;
    }
    const std::optional<BarLabel> label = labelFor(subscriber->output);
    if (!label || label == subscriber->sent) {
        return;
    }
    subscriber->sent = label;
    send(connection, label->toWireLine());
}

void LabelPublisher::send(QLocalSocket* connection, const QByteArray& line) {
    if (connection->bytesToWrite() > maximumUnwrittenBytes) {
        Diagnostics::systemLog(QStringLiteral("🗑️ Dropped a bar feed that does not read"));
        drop(connection);
        return;
    }
    connection->write(line);
    connection->flush();
}

void LabelPublisher::drop(QLocalSocket* connection) {
    const auto found =
        std::find_if(m_subscribers.cbegin(), m_subscribers.cend(),
                     [connection](const Subscriber& subscriber) { return subscriber.connection == connection; });
    if (found == m_subscribers.cend()) {
        return;
    }
    m_subscribers.erase(found);
    disconnect(connection, nullptr, this, nullptr);
    connection->abort();
    connection->deleteLater();
}
