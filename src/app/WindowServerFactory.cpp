// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "app/WindowServerFactory.h"

#include "windowserver/i3ipc/I3IpcWindowServer.h"
#include "windowserver/i3ipc/I3SocketPath.h"
#include "windowserver/scripted/ScriptedWindowServer.h"
#include "windowserver/x11/X11WindowServer.h"

#include <QStringList>

#include <algorithm>

WindowServerFactory::Environment WindowServerFactory::Environment::current() {
    return {qEnvironmentVariable("SWAYSOCK"), qEnvironmentVariable("I3SOCK"), qEnvironmentVariable("DISPLAY")};
}

WindowServerFactory::WindowServerFactory(CommandLine::WindowServer choice, const QString& spacesFrom,
                                         const Environment& environment) {
    using Choice = CommandLine::WindowServer;
    const auto wanted = [choice](Choice candidate) {
        return choice == candidate || choice == Choice::Automatic;
    };

    if (choice == Choice::Scripted) {
        m_candidates.push_back({QStringLiteral("scripted"), {}, [spacesFrom] {
                                    return std::make_unique<ScriptedWindowServer>(spacesFrom);
                                }});
    }
    if (wanted(Choice::Sway)) {
        const QString socket = environment.swaySocket;
        m_candidates.push_back(
            {QStringLiteral("sway"), socket.isEmpty() ? QStringLiteral("SWAYSOCK not set") : QString(), [socket] {
                 return std::make_unique<I3IpcWindowServer>(QStringLiteral("sway"), [socket] { return socket; });
             }});
    }
    if (wanted(Choice::I3)) {
        const auto locateSocket = [display = environment.display, fallback = environment.i3Socket] {
            const QString fromRoot = display.isEmpty() ? QString() : I3SocketPath::fromRootWindow(display);
            return fromRoot.isEmpty() ? fallback : fromRoot;
        };
        m_candidates.push_back({QStringLiteral("i3"),
                                locateSocket().isEmpty()
                                    ? QStringLiteral("I3SOCK not set, no I3_SOCKET_PATH on the X root window")
                                    : QString(),
                                [locateSocket] {
                                    return std::make_unique<I3IpcWindowServer>(QStringLiteral("i3"), locateSocket);
                                }});
    }
    if (wanted(Choice::X11)) {
        const QString display = environment.display;
        m_candidates.push_back(
            {QStringLiteral("x11"), display.isEmpty() ? QStringLiteral("DISPLAY not set") : QString(), [display] {
                 return std::make_unique<X11WindowServer>(display);
             }});
    }
}

bool WindowServerFactory::hasCandidates() const {
    return std::any_of(m_candidates.begin(), m_candidates.end(),
                       [](const Candidate& candidate) { return candidate.failure.isEmpty(); });
}

std::unique_ptr<WindowServerBackend> WindowServerFactory::open() {
    for (Candidate& candidate : m_candidates) {
        if (!candidate.failure.isEmpty()) {
            continue;
        }
        std::unique_ptr<WindowServerBackend> windowServer = candidate.make();
        candidate.failure = windowServer->open();
        if (candidate.failure.isEmpty()) {
            return windowServer;
        }
    }
    return nullptr;
}

QString WindowServerFactory::error() const {
    QStringList tried;
    for (const Candidate& candidate : m_candidates) {
        tried.append(QStringLiteral("%1 (%2)").arg(candidate.name, candidate.failure));
    }
    return QStringLiteral("no window server to follow: tried %1.").arg(tried.join(QStringLiteral(", ")));
}
