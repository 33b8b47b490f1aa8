// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "feeds/LabelPublisher.h"

#include "core/Diagnostics.h"
#include "statusbar/StatusItem.h"

#include <QLocalSocket>

LabelPublisher::LabelPublisher(StatusItem& item, QObject* parent)
    : QObject(parent) {
    connect(&item, &StatusItem::labelChanged, this, &LabelPublisher::present);
    if (item.label()) {
        present(*item.label());
    }
}

void LabelPublisher::subscribe(QLocalSocket* connection, const QString& formatName) {
    const std::optional<BarFormat> format = BarFormats::named(formatName);
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
    m_subscribers.push_back({connection, *format});
    Diagnostics::systemLog(QStringLiteral("📡 A %1 feed subscribed").arg(formatName));
    if (m_label) {
        send(connection, m_label->toWireLine());
    }
}

qsizetype LabelPublisher::subscriberCount(BarFormat format) const {
    return std::count_if(m_subscribers.cbegin(), m_subscribers.cend(),
                         [format](const Subscriber& subscriber) { return subscriber.format == format; });
}

void LabelPublisher::present(const StatusLabel& shown) {
    const BarLabel label{shown.name, shown.color};
    // The position alone changes nothing a feed shows.
    if (label == m_label) {
        return;
    }
    m_label = label;
    // No line is made while no feed listens, as in most runs.
    if (m_subscribers.empty()) {
        return;
    }
    const QByteArray line = label.toWireLine();
    // Sending may drop a subscriber.
    const std::vector<Subscriber> subscribers = m_subscribers;
    for (const Subscriber& subscriber : subscribers) {
        send(subscriber.connection, line);
    }
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
