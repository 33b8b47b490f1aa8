// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QLocalSocket> // complete for the signal's argument
#include <QObject>
#include <QString>

class InstanceListener;

// One running program per user: the first start holds a lock in the user's runtime folder and listens on a socket
// beside it; a later start finds the lock taken and hands over to the first through that socket. The lock is an
// flock(), which the system releases when its holder dies, so a crash never blocks the next start.
//
// Requests are lines: "activate" (answered "ok", then closed) and "subscribe TOPIC" (the connection is handed over
// to whoever serves the topic and stays open). Anything else, or a line longer than 256 bytes, is dropped.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    // $XDG_RUNTIME_DIR/vantorel, or $XDG_CACHE_HOME/vantorel (~/.cache/vantorel) without a runtime folder.
    static QString standardFolder();

    explicit SingleInstance(QString folder = standardFolder(), QObject* parent = nullptr);
    ~SingleInstance() override;

    // Takes the lock; false when another instance holds it (or the folder is unusable: then `error` says why).
    bool acquire(QString* error = nullptr);
    // As a later start: asks the running instance to show itself. Works before any application object exists.
    // Returns whether the running instance confirmed.
    bool askRunningInstanceToActivate() const;
    // As the running instance: listens for later starts. Call after acquire() succeeded. Connections that say nothing
    // are closed after a moment, and only a few are kept at once, so that a flood cannot use up the descriptors.
    bool listen(QString* error = nullptr);

    // As a client, before or without any application object (plain POSIX):
    // A blocking socket connected to the running instance (close it when done), or -1 when none listens. A socket
    // served by another user's process counts as none.
    int connectToRunningInstance() const;
    // Whether an instance holds the lock, running or still starting. Probing takes the lock shared for an instant.
    bool isInstanceRunning() const;
    // Blocks until this process holds the lock that clients starting an instance take, so that two of them starting
    // at once start one; returns its descriptor (closing it releases the lock), or -1 and `error`. `waited` tells
    // whether another start held it first.
    int holdLaunchLock(QString* error = nullptr, bool* waited = nullptr) const;
    QString folder() const { return m_folder; }

signals:
    void activationRequested();
    // A client subscribed to `topic`. The receiver takes the connection over (re-parents it and reads it from now on);
    // without a receiver it is closed.
    void subscriptionRequested(QLocalSocket* connection, const QString& topic);

private:
    QString socketPath() const;
    // Whether the client's request is dealt with (or the client dropped); false while it is still incomplete.
    bool readRequest(QLocalSocket* client);

    QString m_folder;
    int m_lockDescriptor = -1;
    InstanceListener* m_listener = nullptr;
    int m_unansweredConnections = 0;
};
