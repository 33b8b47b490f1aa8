// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>
#include <QString>

class QLocalSocket;
class QSocketNotifier;

// The instance socket's listening end. QLocalServer is not used: when accept() fails (descriptors used up by a
// flood of connections) it closes the server and removes the socket file, so that no later start or feed would
// find the instance again. Here the socket stays: out of descriptors, connections are taken and dropped (their
// clients try again) with the help of a descriptor held in reserve.
class InstanceListener : public QObject {
    Q_OBJECT

public:
    explicit InstanceListener(QObject* parent = nullptr);
    // Stops listening and removes the socket file.
    ~InstanceListener() override;

    // Replaces whatever is at `path` (the caller holds the instance lock) with a socket only this user may use.
    bool listen(const QString& path, QString* error);

signals:
    // A new connection, owned by the listener until someone re-parents it.
    void accepted(QLocalSocket* connection);

private:
    void acceptPending();

    QString m_path;
    int m_descriptor = -1;
    int m_reserve = -1;
    QSocketNotifier* m_notifier = nullptr;
    bool m_failing = false;
};
