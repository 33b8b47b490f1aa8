// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "windowserver/i3ipc/I3IpcWindowServer.h"

#include "core/Diagnostics.h"
#include "windowserver/i3ipc/ConfigBindings.h"
#include "windowserver/i3ipc/IpcMessage.h"
#include "windowserver/i3ipc/IpcReplies.h"
#include "windowserver/i3ipc/WorkspaceIdentity.h"

#include <QEventLoop>
#include <QSet>

#include <bit>
#include <limits>

using namespace std::chrono_literals;

std::chrono::milliseconds I3IpcWindowServer::reconnectDelay(int failedAttempts) {
    if (failedAttempts <= 0) {
        return 100ms;
    }
    return std::min<std::chrono::milliseconds>(1000ms * (1 << std::min(failedAttempts - 1, 3)), 5000ms);
}

I3IpcWindowServer::I3IpcWindowServer(QString windowManager, SocketLocator locateSocket)
    : m_windowManager(std::move(windowManager))
    , m_locateSocket(std::move(locateSocket)) {
    m_reconnectTimer.setSingleShot(true);
    connect(&m_reconnectTimer, &QTimer::timeout, this, &I3IpcWindowServer::connectToWindowManager);
    connect(&m_events, &IpcConnection::eventReceived, this, &I3IpcWindowServer::eventReceived);
    for (IpcConnection* connection : {&m_requests, &m_events}) {
        connect(connection, &IpcConnection::failed, this, &I3IpcWindowServer::connectionFailed);
    }
}

QString I3IpcWindowServer::open() {
    connectToWindowManager();
    if (m_state == State::Opening && m_openError.isEmpty()) {
        QEventLoop loop;
        m_openLoop = &loop;
        loop.exec(); // every request has its timeout: this ends
        m_openLoop = nullptr;
    }
    if (m_state != State::Following) {
        closeConnections();
        return m_openError;
    }
    Diagnostics::systemLog(QStringLiteral("🔌 Following %1 at %2").arg(m_windowManager, m_socketPath));
    m_connectedSince.start();
    return {};
}

std::optional<QList<qint64>> I3IpcWindowServer::copySpaces(qint32, qint32) {
    return m_spaces;
}

quint64 I3IpcWindowServer::activeSpace(qint32) {
    return std::bit_cast<quint64>(m_active);
}

QString I3IpcWindowServer::desktopName(SpaceID spaceID) const {
    return WorkspaceIdentity::givenName(m_listedNames.value(spaceID));
}

void I3IpcWindowServer::setDesktopName(SpaceID spaceID, const QString& name) {
    const QString current = m_listedNames.value(spaceID, m_names.value(spaceID));
    if (m_boundByName.contains(current)) {
        Diagnostics::systemLog(
            QStringLiteral("ℹ️ %1: workspace \"%2\" keeps its name: a key binding finds it by it")
                .arg(m_windowManager, current));
        return;
    }
    m_givenNames.insert(spaceID, name);
    if (const auto listed = m_listedNames.constFind(spaceID);
        listed != m_listedNames.cend() && WorkspaceIdentity::givenName(*listed) != name) {
        renameWorkspace(spaceID, *listed, name);
    }
}

// i3 forgets a name with the workspace it destroys when it is left empty: one made again, a bare "N", gets it back.
// A name given in i3 itself stays.
void I3IpcWindowServer::applyGivenNames() {
    for (auto given = m_givenNames.cbegin(); given != m_givenNames.cend(); ++given) {
        const auto listed = m_listedNames.constFind(given.key());
        if (listed != m_listedNames.cend() && WorkspaceIdentity::givenName(*listed).isEmpty() &&
            !given.value().isEmpty()) {
            renameWorkspace(given.key(), *listed, given.value());
        }
    }
}

void I3IpcWindowServer::renameWorkspace(SpaceID spaceID, const QString& current, const QString& name) {
    runCommand(WorkspaceIdentity::renameCommand(spaceID, current, name),
               [this, spaceID] { m_givenNames.remove(spaceID); });
}

void I3IpcWindowServer::runCommand(const QByteArray& command, const std::function<void()>& refused) {
    if (command.isEmpty() || m_state != State::Following) {
        return;
    }
    m_requests.request(IpcMessage::RunCommand, command, [this, command, refused](const QByteArray& payload) {
        const IpcReplies::Parsed<QString> error = IpcReplies::commandError(payload);
        if (!error.value || !error.value->isEmpty()) {
            Diagnostics::systemLog(
                QStringLiteral("❌ %1 refused \"%2\": %3")
                    .arg(m_windowManager, QString::fromUtf8(command), error.value.value_or(error.error)));
            if (refused) {
                refused();
            }
        }
    });
}

QString I3IpcWindowServer::switchTo(SpaceID spaceID) {
    if (m_state != State::Following) {
        return QStringLiteral("%1 does not answer").arg(m_windowManager);
    }
    const QByteArray command = WorkspaceIdentity::switchCommand(spaceID, m_names.value(spaceID));
    if (command.isEmpty()) {
        return QStringLiteral("%1 has no workspace for desktop %2").arg(m_windowManager).arg(spaceID);
    }
    runCommand(command);
    return {};
}

void I3IpcWindowServer::connectToWindowManager() {
    m_socketPath = m_locateSocket();
    if (m_socketPath.isEmpty()) {
        connectionFailed(IpcConnection::Failure::Unreachable, QStringLiteral("no socket to connect to"));
        return;
    }
    m_events.open(m_socketPath);
    m_requests.open(m_socketPath);
    m_events.request(IpcMessage::Subscribe, R"(["workspace","shutdown"])",
                     [this](const QByteArray& payload) { subscribed(payload); });
}

void I3IpcWindowServer::subscribed(const QByteArray& payload) {
    const IpcReplies::Parsed<bool> success = IpcReplies::subscribed(payload);
    if (!success.value || !*success.value) {
        connectionFailed(IpcConnection::Failure::Lost,
                         success.value ? QStringLiteral("the subscription to events was refused")
                                       : QStringLiteral("an unreadable answer to SUBSCRIBE: ") + success.error);
        return;
    }
    // Subscribed first, so that no change between the readings and the subscription goes unseen.
    m_requests.request(IpcMessage::GetConfig, {}, [this](const QByteArray& reply) { configReceived(reply); });
    requestWorkspaces();
}

void I3IpcWindowServer::configReceived(const QByteArray& payload) {
    const IpcReplies::Parsed<QString> text = IpcReplies::configText(payload);
    if (!text.value) {
        Diagnostics::systemLog(
            QStringLiteral("❌ %1: an unreadable answer to GET_CONFIG: %2; keeping the workspaces its key bindings "
                           "reached before")
                .arg(m_windowManager, text.error));
        return;
    }
    m_reachable.clear();
    for (const QString& name : ConfigBindings::reachableWorkspaces(*text.value)) {
        m_reachable.append({WorkspaceIdentity::spaceIDForName(name), name});
    }
    m_boundByName = ConfigBindings::workspacesBoundByName(*text.value);
}

void I3IpcWindowServer::requestWorkspaces() {
    if (m_refreshing) {
        m_refreshAgain = true;
        return;
    }
    m_refreshing = true;
    m_requests.request(IpcMessage::GetWorkspaces, {},
                       [this](const QByteArray& payload) { workspacesReceived(payload); });
}

void I3IpcWindowServer::workspacesReceived(const QByteArray& payload) {
    m_refreshing = false;
    const IpcReplies::Parsed<IpcReplies::Workspaces> workspaces = IpcReplies::workspaces(payload);
    if (!workspaces.value) {
        const QString reason = QStringLiteral("an unreadable answer to GET_WORKSPACES: ") + workspaces.error;
        if (m_state != State::Following) {
            connectionFailed(IpcConnection::Failure::Lost, reason); // no reading to go on from
            return;
        }
        Diagnostics::systemLog(QStringLiteral("❌ %1: %2; keeping the last reading").arg(m_windowManager, reason));
    } else {
        QList<qint64> spaces = workspaces.value->spaceIDs;
        QSet<SpaceID> listed(spaces.begin(), spaces.end());
        for (const auto& [spaceID, name] : std::as_const(m_reachable)) {
            if (!listed.contains(spaceID)) {
                listed.insert(spaceID);
                spaces.append(spaceID);
            }
        }
        const SpaceID active = workspaces.value->focused.value_or(m_active);
        // The order means nothing to the program, and a focus event may have added the workspace already.
        const bool changed = !m_spaces || QSet<SpaceID>(m_spaces->begin(), m_spaces->end()) != listed ||
                             active != m_active || workspaces.value->placement != m_placement;
        m_spaces = m_limit.bounded(std::move(spaces));
        m_listedNames = workspaces.value->names;
        applyGivenNames();
        m_active = active;
        m_placement = workspaces.value->placement;
        m_names = workspaces.value->names;
        for (const auto& [spaceID, name] : std::as_const(m_reachable)) {
            m_names.insert(spaceID, name);
        }

        const State previous = std::exchange(m_state, State::Following);
        if (previous == State::Opening) {
            if (m_openLoop != nullptr) {
                m_openLoop->quit(); // the first reading is the state at start: nothing to announce
            }
        } else {
            if (previous == State::Reconnecting) {
                m_connectedSince.start();
                Diagnostics::systemLog(
                    QStringLiteral("✅ %1: connected again at %2").arg(m_windowManager, m_socketPath));
            }
            if (changed) {
                announceChange();
            }
        }
    }
    if (std::exchange(m_refreshAgain, false)) {
        requestWorkspaces();
    }
}

void I3IpcWindowServer::eventReceived(quint32 type, const QByteArray& payload) {
    if (type != IpcMessage::WorkspaceEvent && type != IpcMessage::ShutdownEvent) {
        return;
    }
    const IpcReplies::Parsed<IpcReplies::Event> event = IpcReplies::event(payload);
    if (!event.value) {
        Diagnostics::systemLog(
            QStringLiteral("❌ %1: an unreadable %2: %3").arg(m_windowManager, IpcMessage::typeName(type), event.error));
        return;
    }
    // The window manager goes away or changes its mind about the configuration: start afresh.
    if (type == IpcMessage::ShutdownEvent) {
        connectionFailed(IpcConnection::Failure::Lost, event.value->change == QLatin1String("restart")
                                                           ? QStringLiteral("restarting")
                                                           : QStringLiteral("shutting down"));
        return;
    }
    if (event.value->change == QLatin1String("reload")) {
        connectionFailed(IpcConnection::Failure::Lost, QStringLiteral("reloaded its configuration"));
        return;
    }
    if (event.value->change == QLatin1String("focus") && event.value->current && m_state == State::Following) {
        m_active = *event.value->current;
        if (!m_spaces->contains(m_active) && m_spaces->size() < SpaceLimit::mostSpaces) {
            m_spaces->append(m_active); // it exists: it has the focus
            // Its name, for a new Space's configuration, which comes before the workspaces are read again.
            m_listedNames.insert(m_active, event.value->currentName);
            m_names.insert(m_active, event.value->currentName);
        }
        announceChange();
    }
    requestWorkspaces();
}

void I3IpcWindowServer::announceChange() {
    if (std::exchange(m_announcing, true)) {
        return;
    }
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_announcing = false;
            emit activeSpaceDidChange();
        },
        Qt::QueuedConnection);
}

void I3IpcWindowServer::connectionFailed(IpcConnection::Failure failure, const QString& reason) {
    switch (m_state) {
    case State::Opening:
        closeConnections();
        m_openError = QStringLiteral("%1: %2").arg(m_socketPath.isEmpty() ? m_windowManager : m_socketPath, reason);
        if (m_openLoop != nullptr) {
            m_openLoop->quit();
        }
        break;
    case State::Following:
        dropConnections(reason);
        break;
    case State::Reconnecting:
        closeConnections();
        if (failure != IpcConnection::Failure::Unreachable) {
            Diagnostics::systemLog(QStringLiteral("❌ %1: %2").arg(m_windowManager, reason));
        }
        reconnectLater();
        break;
    }
}

void I3IpcWindowServer::dropConnections(const QString& reason) {
    closeConnections();
    Diagnostics::systemLog(
        QStringLiteral("⚠️ %1: %2; keeping the last reading and reconnecting").arg(m_windowManager, reason));
    m_state = State::Reconnecting;
    // A peer that drops every connection soon after it is made (one that keeps sending shutdown) must not get a
    // reconnection ten times a second: only a connection that lasted starts the delays afresh.
    if (!m_connectedSince.isValid() || m_connectedSince.elapsed() >= lastingConnection.count()) {
        m_failedAttempts = 0;
    }
    reconnectLater();
}

void I3IpcWindowServer::closeConnections() {
    m_requests.close();
    m_events.close();
    m_refreshing = false;
    m_refreshAgain = false;
}

void I3IpcWindowServer::reconnectLater() {
    m_reconnectTimer.start(reconnectDelay(m_failedAttempts++));
}
