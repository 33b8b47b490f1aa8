// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "feeds/BarFormat.h"
#include "feeds/BarLabel.h"

#include <QObject>

#include <optional>
#include <vector>

class QLocalSocket;
class StatusItem;
struct StatusLabel;

// Shows the status item to bar feeds: a presenter of the item, like the tray's, whose panel is every
// connection that subscribed over the instance socket. Each subscriber gets the label as one wire line at once and
// one line whenever the name or the colour changes.
//
// A subscriber only listens: one that sends anything after its request is dropped, and so is one that lets more
// than `maximumUnwrittenBytes` pile up unread, so that no subscriber can make the program buffer without bound.
class LabelPublisher : public QObject {
    Q_OBJECT

public:
    static constexpr qint64 maximumUnwrittenBytes = 64 * 1024;
    // One bar per screen needs a handful; the rest would only hold descriptors that later starts need.
    static constexpr qsizetype mostSubscribers = 64;

    explicit LabelPublisher(StatusItem& item, QObject* parent = nullptr);

    // Takes the connection over; a format this program does not write, or one subscriber too many, drops it.
    void subscribe(QLocalSocket* connection, const QString& formatName);
    qsizetype subscriberCount(BarFormat format) const;

private:
    struct Subscriber {
        QLocalSocket* connection;
        BarFormat format;
    };

    void present(const StatusLabel& shown);
    void send(QLocalSocket* connection, const QByteArray& line);
    void drop(QLocalSocket* connection);

    std::optional<BarLabel> m_label;
    std::vector<Subscriber> m_subscribers;
};
