// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "feeds/BarFormat.h"
#include "scripting/DesktopCommand.h"
#include "statusbar/TrayStyle.h"

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <optional>

// What the program was asked to do on its command line.
struct CommandLine {
    enum class Action { Run, ShowHelp, ShowVersion, Fail };
    // Which window server to follow; Automatic detects it from the session.
    enum class WindowServer { Automatic, X11, KWin, I3, Sway, Scripted };

    Action action = Action::Run;
    QString message; // the help or version text, or the error
    WindowServer windowServer = WindowServer::Automatic;
    QString spacesFrom;                    // a hand-fed window server's script, when given
    std::optional<BarFormat> bar;          // run as a text bar's feed in this format
    QString output;                        // the feed shows the desktop visible on this monitor; empty: the focused one
    std::optional<DesktopCommand> command; // hand this to the running program
    std::optional<TrayStyle> trayStyle;    // how the panel is given the label, when the user chose

    // `environment` gives the bars' own variables that name a feed's monitor when --output does not.
    static CommandLine parse(const QStringList& arguments, const QProcessEnvironment& environment = {});
    // The options that choose the window server, as given, for a program started on this one's behalf.
    QStringList windowServerArguments() const;
};
