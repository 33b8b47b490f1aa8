// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "scripting/DesktopCommand.h"

#include <QStringList>

class SingleInstance;

// `vantorel list|rename|recolor|switch`: hands the command to the running program over the instance socket, starting
// the program first when none runs (as a bar's feed does), prints its answer and returns its exit status. Needs no
// application object and no session bus.
class DesktopCommandClient {
public:
    // `launchArguments` are passed to the program when the client starts it (the window server to follow).
    DesktopCommandClient(DesktopCommand command, QStringList launchArguments, const SingleInstance& instance);

    int run();

private:
    int connectOrLaunch();
    void startQuietly() const;
    // The reply line, or nothing when the program went away or said nothing readable in time.
    std::optional<QByteArray> exchange(int socket);

    const DesktopCommand m_command;
    const QStringList m_launchArguments;
    const SingleInstance& m_instance;
};
