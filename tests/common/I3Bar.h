// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "X11Session.h"

#include <QByteArray>
#include <QString>

// i3 on the session's screen with a configuration of `moreConfig` beyond the font (none: i3 without a bar).
inline void launchI3(X11Session& session, const QByteArray& moreConfig = {}) {
    session.launch("i3", {"-c", session.writeConfigFile("i3.conf", "# i3 config file (v4)\n"
                                                                   "font pango:DejaVu Sans 10\n" +
                                                                       moreConfig)});
}

// i3 (with `moreConfig`) and its bar along the bottom, whose status line is i3blocks with the block `vantorel` as the
// README tells users to add it: it shows each JSON line `feedCommand` prints. The top stays free for another bar.
inline void launchI3WithBlocks(X11Session& session, const QString& feedCommand, const QByteArray& moreConfig = {}) {
    const QString blocks = session.writeConfigFile("i3blocks.conf", "[vantorel]\ncommand=" + feedCommand.toUtf8() +
                                                                        "\ninterval=persist\nformat=json\n");
    launchI3(session,
             moreConfig + "bar {\n    position bottom\n    status_command i3blocks -c " + blocks.toUtf8() + "\n}\n");
}
