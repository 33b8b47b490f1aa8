#pragma once

#include <QString>
#include <QStringList>

// What the program was asked to do on its command line.
struct CommandLine {
    enum class Action { Run, ShowHelp, ShowVersion, Fail };
    // Which window server to follow; Automatic detects it from the session.
    enum class WindowServer { Automatic, X11, I3, Sway, Scripted };

    Action action = Action::Run;
    QString message; // the help or version text, or the error
    WindowServer windowServer = WindowServer::Automatic;
    QString spacesFrom; // a hand-fed window server's script, when given

    static CommandLine parse(const QStringList& arguments);
};
