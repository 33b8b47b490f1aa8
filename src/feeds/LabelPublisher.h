// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "feeds/BarFormat.h"
#include "feeds/BarLabel.h"

#include <QObject>

#include <optional>
#include <vector>

class DesktopDirectory;
class QLocalSocket;
class StatusItem;
struct StatusLabel;

// Shows the status item to bar feeds: a presenter of the item, like the tray's, whose panel is every
// connection that subscribed over the instance socket. Each subscriber gets the label as one wire line at once and
// one line whenever the name or the colour changes. A subscriber for one monitor gets the label of the desktop visible
// there, where the directory knows the monitor, and the status item's label otherwise.
//
// A subscriber only listens: one that sends anything after its request is dropped, and so is one that lets more
// than `maximumUnwrittenBytes` pile up unread, so that no subscriber can make the program buffer without bound.
class LabelPublisher : public QObject {
    Q_OBJECT

public:
    static constexpr qint64 maximumUnwrittenBytes = 64 * 1024;
    // One bar per screen needs a handful; the rest would only hold descriptors that later starts need.
    static constexpr qsizetype mostSubscribers = 64;

    // Without a directory, every subscriber gets the status item's label.
    LabelPublisher(StatusItem& item, DesktopDirectory* directory, QObject* parent = nullptr);

    // Takes the connection over; a topic (LabelTopic) in a format this program does not write, or one subscriber too
    // many, drops it.
    void subscribe(QLocalSocket* connection, const QString& topic);
    qsizetype subscriberCount(BarFormat format) const;

private:
    struct Subscriber {
        QLocalSocket* connection;
        BarFormat format;
        QString output;
        std::optional<BarLabel> sent;
    };

    void present(const StatusLabel& shown);
    void publish();
    std::optional<BarLabel> labelFor(const QString& output) const;
    // Sends the subscriber's label when it differs from the one it has.
    void update(QLocalSocket* connection);
    void send(QLocalSocket* connection, const QByteArray& line);
    void drop(QLocalSocket* connection);

    DesktopDirectory* m_directory;
    std::optional<BarLabel> m_label;
    std::vector<Subscriber> m_subscribers;
};
