// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "windowserver/SpaceLimit.h"
#include "windowserver/WindowServerBackend.h"
#include "windowserver/i3ipc/IpcConnection.h"
#include "core/SpaceID.h"

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QTimer>

#include <chrono>
#include <functional>

class QEventLoop;

// The desktops of i3 or sway, through their IPC: one connection for requests and one that only receives workspace
// and shutdown events. The Spaces are every workspace that exists plus every workspace a key binding of the
// configuration reaches, so that a workspace keeps its name and colour while the window manager has destroyed it
// for being empty (WorkspaceIdentity says which SpaceID a workspace has). The active Space is the focused workspace:
// a focus event names it, so a switch is followed without a round trip; every event also asks for the workspaces
// again, one request at a time, and that answer has the last word.
//
// When the window manager restarts, reloads its configuration, shuts down or stops answering, one line says so; the
// last reading stays while the backend reconnects (reconnectDelay) and reads everything again.
class I3IpcWindowServer : public WindowServerBackend {
    Q_OBJECT

public:
    // Where the window manager listens now: asked before every connection, since i3 moves its socket on a restart.
    using SocketLocator = std::function<QString()>;

    static constexpr std::chrono::milliseconds answerTimeout{2000};
    // How long to wait before the next attempt after `failedAttempts` attempts since the connection was lost: soon
    // for a window manager that restarts in place, then never more than once a second.
    static std::chrono::milliseconds reconnectDelay(int failedAttempts);
    // A connection that lasted this long counts as a success, after which the delays start afresh.
    static constexpr std::chrono::milliseconds lastingConnection{1000};

    // `windowManager` names it in diagnostic lines ("i3", "sway").
    I3IpcWindowServer(QString windowManager, SocketLocator locateSocket);

    QString open() override;

    qint32 mainConnectionID() override { return 1; }
    std::optional<QList<qint64>> copySpaces(qint32 connectionID, qint32 mask) override;
    quint64 activeSpace(qint32 connectionID) override;
    QString desktopName(SpaceID spaceID) const override;
    void setDesktopName(SpaceID spaceID, const QString& name) override;
    bool bindsByName() const override { return true; }
    Placement placement() override { return m_placement; }
    // "workspace number N" for a numbered workspace, else the workspace by its name; a refusal is reported in a line.
    QString switchTo(SpaceID spaceID) override;

private:
    void applyGivenNames();
    void renameWorkspace(SpaceID spaceID, const QString& current, const QString& name);
    // Runs an i3 command; a refusal is reported in a line, then `refused` runs.
    void runCommand(const QByteArray& command, const std::function<void()>& refused = {});
    enum class State { Opening, Following, Reconnecting };

    void connectToWindowManager();
    void subscribed(const QByteArray& payload);
    void configReceived(const QByteArray& payload);
    void requestWorkspaces();
    void workspacesReceived(const QByteArray& payload);
    void eventReceived(quint32 type, const QByteArray& payload);
    void connectionFailed(IpcConnection::Failure failure, const QString& reason);
    // Announces the change on the next turn of the event loop: once for everything that arrived meanwhile.
    void announceChange();
    // Closes both connections, says why in one line and reconnects.
    void dropConnections(const QString& reason);
    void closeConnections();
    void reconnectLater();

    const QString m_windowManager;
    const SocketLocator m_locateSocket;
    IpcConnection m_requests{answerTimeout};
    IpcConnection m_events{answerTimeout};
    QTimer m_reconnectTimer;
    State m_state = State::Opening;
    int m_failedAttempts = 0;
    QElapsedTimer m_connectedSince;
    SpaceLimit m_limit{m_windowManager};
    QString m_socketPath;
    QString m_openError;
    QEventLoop* m_openLoop = nullptr;
    // One GET_WORKSPACES at a time; events that come meanwhile ask for one more after it.
    bool m_refreshing = false;
    bool m_refreshAgain = false;
    bool m_announcing = false;

    QList<std::pair<SpaceID, QString>> m_reachable; // by the configuration's key bindings, in its order
    QSet<QString> m_boundByName;          // workspaces a key binding reaches by their whole name: never renamed
    QHash<SpaceID, QString> m_givenNames; // names the user gave in Vantorel, for i3 to show
    QHash<SpaceID, QString> m_names;      // of every workspace the key bindings reach or the last reading listed
    Placement m_placement;
    std::optional<QList<qint64>> m_spaces;
    QHash<SpaceID, QString> m_listedNames; // as the window manager has them, for the names it gives and takes
    SpaceID m_active = 0;
};
