// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "app/CommandLine.h"

#include "BuildInfo.h"
#include "scripting/ColorArgument.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <array>
#include <optional>
#include <variant>

namespace {

QString palette() {
    return QStringList(ColorArgument::paletteNames.cbegin(), ColorArgument::paletteNames.cend())
        .join(QStringLiteral(", "));
}

// QCommandLineParser's own help needs an application object, and --help must work before one exists.
QString helpText(const QList<QCommandLineOption>& options) {
    QString text = QStringLiteral("Usage: vantorel [options]\n"
                                  "       vantorel list [--json]\n"
                                  "       vantorel rename [--id] N NAME\n"
                                  "       vantorel recolor [--id] N COLOUR\n"
                                  "       vantorel switch [--id] N\n"
                                  "Vantorel %1: %2.\n"
                                  "Shows the name of the active desktop in the panel, on a label in its colour.\n\n"
                                  "Options:\n")
                       .arg(QLatin1String(BuildInfo::version), QLatin1String(BuildInfo::description));
    for (const QCommandLineOption& option : options) {
        QStringList names;
        for (const QString& name : option.names()) {
            names.append((name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name);
        }
        QString synopsis = names.join(QStringLiteral(", "));
        if (!option.valueName().isEmpty()) {
            synopsis += QLatin1Char('=') + option.valueName();
        }
        text += QStringLiteral("  %1  %2\n").arg(synopsis, -26).arg(option.description());
    }
    text +=
        QStringLiteral("\nWithout --window-server, Vantorel follows sway when SWAYSOCK is set, i3 when I3SOCK is set "
                       "or the X root window names an i3 socket, KWin when it is on the session bus, and else the X11 "
                       "window manager on DISPLAY.\n");
    text += QStringLiteral("Settings are kept in $XDG_CONFIG_HOME/vantorel/app_settings.json "
                           "(~/.config/vantorel/ when XDG_CONFIG_HOME is not set).\n");
    text +=
        QStringLiteral(
            "\nCommands talk to the running Vantorel (and start it when none runs). list prints one line per desktop: "
            "its "
            "number (* marks the active one), colour and name; --json prints a JSON array instead. N is the desktop's "
            "number as list shows it, or with --id the id list --json gives. COLOUR is #RRGGBB, #RGB, #AARRGGBB or one "
            "of %1. Exit status: 0 done, 1 no such desktop, a bad colour or name, or no answer, 2 a wrong command "
            "line.\n")
            .arg(palette());
    text += QStringLiteral("Vantorel keeps the style sheet $XDG_CONFIG_HOME/vantorel/waybar.css for waybar's style.css "
                           "to import (see the README).");
    return text;
}

const std::array<std::pair<QLatin1StringView, CommandLine::WindowServer>, 5> windowServerNames{{
    {QLatin1StringView("x11"), CommandLine::WindowServer::X11},
    {QLatin1StringView("kwin"), CommandLine::WindowServer::KWin},
    {QLatin1StringView("i3"), CommandLine::WindowServer::I3},
    {QLatin1StringView("sway"), CommandLine::WindowServer::Sway},
    {QLatin1StringView("scripted"), CommandLine::WindowServer::Scripted},
}};

std::optional<CommandLine::WindowServer> windowServerNamed(const QString& name) {
    for (const auto& [candidate, windowServer] : windowServerNames) {
        if (name == candidate) {
            return windowServer;
        }
    }
    return std::nullopt;
}

// How many words each verb takes after its name.
qsizetype argumentCount(DesktopCommand::Verb verb) {
    switch (verb) {
    case DesktopCommand::Verb::List:
        return 0;
    case DesktopCommand::Verb::Switch:
        return 1;
    case DesktopCommand::Verb::Rename:
    case DesktopCommand::Verb::Recolor:
        return 2;
    }
    return 0;
}

// The command the words give; the reason when they give none.
std::variant<DesktopCommand, QString> commandFrom(const QStringList& words, bool json, bool bySpaceID) {
    const std::optional<DesktopCommand::Verb> verb = DesktopCommand::verbNamed(words.constFirst());
    if (!verb) {
        return QStringLiteral("Unexpected argument '%1'.").arg(words.constFirst());
    }
    const qsizetype expected = argumentCount(*verb);
    if (words.size() - 1 != expected) {
        return QStringLiteral("%1 takes %2 argument(s), not %3.")
            .arg(words.constFirst())
            .arg(expected)
            .arg(words.size() - 1);
    }
    DesktopCommand command{*verb, json, bySpaceID, 0, expected == 2 ? words.at(2) : QString()};
    if (json && *verb != DesktopCommand::Verb::List) {
        return QStringLiteral("--json goes with list only.");
    }
    if (bySpaceID && *verb == DesktopCommand::Verb::List) {
        return QStringLiteral("--id goes with rename, recolor and switch.");
    }
    if (expected > 0) {
        bool numeric = false;
        command.desktop = words.at(1).toLongLong(&numeric);
        if (!numeric) {
            return QStringLiteral("'%1' is no desktop number.").arg(words.at(1));
        }
    }
    return command;
}

} // namespace

CommandLine CommandLine::parse(const QStringList& arguments, const QProcessEnvironment& environment) {
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    const QCommandLineOption spacesFrom(QStringLiteral("spaces-from"),
                                        QStringLiteral("Take the desktops from FILE, JSON Lines written by hand, "
                                                       "instead of the window manager (see examples/)."),
                                        QStringLiteral("FILE"));
    const QCommandLineOption windowServer(QStringLiteral("window-server"),
                                          QStringLiteral("Follow NAME: x11, kwin, i3, sway or scripted (the one that "
                                                         "--spaces-from feeds). Detected when not given."),
                                          QStringLiteral("NAME"));
    const QCommandLineOption bar(QStringLiteral("bar"),
                                 QStringLiteral("Write the active desktop's label for a text bar to standard output, "
                                                "one line per change: FORMAT is %1. Starts Vantorel when it is "
                                                "not running.")
                                     .arg(BarFormats::allNames()),
                                 QStringLiteral("FORMAT"));
    const QCommandLineOption output(QStringLiteral("output"),
                                    QStringLiteral("With --bar on i3 or sway: show the desktop visible on the monitor "
                                                   "NAME. Defaults to $WAYBAR_OUTPUT_NAME or polybar's $MONITOR, "
                                                   "else the focused monitor."),
                                    QStringLiteral("NAME"));
    const QCommandLineOption trayStyle(
        QStringLiteral("tray-style"),
        QStringLiteral("Give the panel STYLE: wide (the whole label), tile (a square in the desktop's colour with its "
                       "number), tile-and-text (the tile and the name beside it) or auto (what suits the panel, the "
                       "default; also taken from VANTOREL_TRAY_STYLE)."),
        QStringLiteral("STYLE"));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("With list: print a JSON array."));
    const QCommandLineOption bySpaceID(QStringLiteral("id"),
                                       QStringLiteral("With rename, recolor, switch: N is an id."));
    const QList<QCommandLineOption> options{help,   version,   windowServer, spacesFrom, bar,
                                            output, trayStyle, json,         bySpaceID};

    QCommandLineParser parser;
    parser.addOptions(options);

    CommandLine result;
    if (!parser.parse(arguments)) {
        result.action = Action::Fail;
        result.message = parser.errorText() + QStringLiteral("\nTry 'vantorel --help'.");
    } else if (parser.isSet(help)) {
        result.action = Action::ShowHelp;
        result.message = helpText(options);
    } else if (parser.isSet(version)) {
        result.action = Action::ShowVersion;
        result.message = QStringLiteral("vantorel %1").arg(QLatin1String(BuildInfo::version));
    } else if (parser.isSet(spacesFrom) && parser.value(spacesFrom).isEmpty()) {
        result.action = Action::Fail;
        result.message = QStringLiteral("--spaces-from needs a file.\nTry 'vantorel --help'.");
    } else if (parser.isSet(windowServer)) {
        const QString name = parser.value(windowServer);
        const std::optional<WindowServer> named = windowServerNamed(name);
        QString error;
        if (!named) {
            error = QStringLiteral("Unknown window server '%1': x11, kwin, i3, sway or scripted.").arg(name);
        } else if (*named == WindowServer::Scripted && !parser.isSet(spacesFrom)) {
            error = QStringLiteral("--window-server=scripted needs --spaces-from=FILE.");
        } else if (*named != WindowServer::Scripted && parser.isSet(spacesFrom)) {
            error = QStringLiteral("--spaces-from feeds the scripted window server, not %1.").arg(name);
        }
        if (error.isEmpty()) {
            result.windowServer = *named;
        } else {
            result.action = Action::Fail;
            result.message = error + QStringLiteral("\nTry 'vantorel --help'.");
        }
    }
    if (parser.isSet(bar) && result.action == Action::Run) {
        result.bar = BarFormats::named(parser.value(bar));
        if (!result.bar) {
            result.action = Action::Fail;
            result.message = QStringLiteral("Unknown bar format '%1': %2.\nTry 'vantorel --help'.")
                                 .arg(parser.value(bar), BarFormats::allNames());
        }
    }
    if (parser.isSet(trayStyle) && result.action == Action::Run) {
        result.trayStyle = TrayStyles::named(parser.value(trayStyle));
        if (!result.trayStyle) {
            result.action = Action::Fail;
            result.message = QStringLiteral("Unknown tray style '%1': %2.\nTry 'vantorel --help'.")
                                 .arg(parser.value(trayStyle), TrayStyles::allNames());
        }
    }
    if (result.action == Action::Run) {
        QString error;
        if (!parser.positionalArguments().isEmpty()) {
            auto command = commandFrom(parser.positionalArguments(), parser.isSet(json), parser.isSet(bySpaceID));
            if (auto* reason = std::get_if<QString>(&command)) {
                error = *reason;
            } else if (result.bar) {
                error = QStringLiteral("--bar runs a feed, not a command.");
            } else {
                result.command = std::get<DesktopCommand>(command);
            }
        } else if (parser.isSet(json) || parser.isSet(bySpaceID)) {
            error = QStringLiteral("--json and --id go with a command.");
        }
        if (parser.isSet(output) && !result.bar) {
            error = QStringLiteral("--output goes with --bar.");
        }
        if (!error.isEmpty()) {
            result.action = Action::Fail;
            result.message = error + QStringLiteral("\nTry 'vantorel --help'.");
        }
    }
    // The bars set these for each monitor's instance of a module.
    result.output = parser.value(output);
    for (const char* variable : {"WAYBAR_OUTPUT_NAME", "MONITOR"}) {
        if (result.output.isEmpty()) {
            result.output = environment.value(QLatin1String(variable));
        }
    }
    result.spacesFrom = parser.value(spacesFrom);
    if (!result.spacesFrom.isEmpty()) {
        result.windowServer = WindowServer::Scripted;
    }
    return result;
}

QStringList CommandLine::windowServerArguments() const {
    // The hand-fed window server is chosen by its script alone, named absolutely so that it is the same file wherever
    // the started program looks from.
    if (!spacesFrom.isEmpty()) {
        return {QStringLiteral("--spaces-from=") + QFileInfo(spacesFrom).absoluteFilePath()};
    }
    for (const auto& [name, named] : windowServerNames) {
        if (named == windowServer) {
            return {QStringLiteral("--window-server=") + name};
        }
    }
    return {};
}
