// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ProgramHome.h"
#include "Processes.h"

#include <QImage>

// A headless sway for tests. sway refuses to run as root, so it runs as nobody (uid and gid 65534, which every
// Debian system has) in a runtime folder of its own; root reaches its IPC socket all the same.
class SwaySession {
public:
    static constexpr uint unprivilegedId = 65534;

    // Starts sway on `config` (headless outputs HEADLESS-1 to -`outputs` and no Xwayland are added) and waits for its
    // socket.
    bool start(const QByteArray& config, QString* error, int outputs = 1);
    // Ends sway and waits for it.
    void stop();
    QString socketPath() const { return m_runtime.filePath(QStringLiteral("sway-ipc.sock")); }
    // Its Wayland socket, as an absolute path for WAYLAND_DISPLAY (clients have runtime folders of their own); empty
    // while sway has none.
    QString waylandSocketPath() const;
    // For programs that talk to sway, such as Vantorel, swaymsg and panels: its IPC and Wayland sockets, and folders
    // of their own.
    QProcessEnvironment clientEnvironment() const;
    QString clientConfigFolder() const { return m_client.configFolder(); }
    // Runs `swaymsg` with these arguments; whether it succeeded.
    bool message(const QStringList& arguments) const;
    // What sway shows on its output now (taken with grim); a null image when it could not be taken.
    QImage screenshot() const;

private:
    QTemporaryDir m_runtime; // sway's, owned by the unprivileged user
    ProgramHome m_client;
    OwnedProgram m_sway; // declared last: ended first
};
