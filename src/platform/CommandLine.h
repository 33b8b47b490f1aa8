#pragma once

#include <QString>
#include <QStringList>

// What the program was asked to do on its command line.
struct CommandLine {
    enum class Action { Run, ShowHelp, ShowVersion, Fail };

    Action action = Action::Run;
    QString message;    // the help or version text, or the error
    QString spacesFrom; // a hand-fed window server's script, when given

    static CommandLine parse(const QStringList& arguments);
};
