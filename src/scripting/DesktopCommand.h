// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// A command line's request to the running program (`vantorel list`, `rename`, `recolor`, `switch`), as it travels
// over the instance socket: one JSON line each way.
struct DesktopCommand {
    enum class Verb { List, Rename, Recolor, Switch };

    Verb verb = Verb::List;
    bool json = false;      // list as a JSON array
    bool bySpaceID = false; // `desktop` is a SpaceID rather than the number the user sees
    qint64 desktop = 0;
    QString value; // the new name or colour

    bool operator==(const DesktopCommand&) const = default;

    static std::optional<Verb> verbNamed(QStringView name);
    QByteArray toLine() const;
    // A line without its newline; nothing when it is no command.
    static std::optional<DesktopCommand> fromLine(QByteArrayView line);
};

// The running program's answer: what to print and the exit status.
struct DesktopCommandReply {
    // The exit statuses: done, refused (no such desktop, a bad colour or name), the command line was wrong.
    enum Status { Done = 0, Refused = 1, Usage = 2 };

    int status = Done;
    QString output; // for standard output, lines with their newlines
    QString error;  // one line for standard error, without its newline

    QByteArray toLine() const;
    static std::optional<DesktopCommandReply> fromLine(QByteArrayView line);
};
