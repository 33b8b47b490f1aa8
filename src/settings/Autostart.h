// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QString>

// The login-item service of a freedesktop session: an XDG autostart entry named "vantorel.desktop" in the user's
// autostart folder, which the session starts at login. The program counts as registered while that entry exists
// and is not switched off.
class Autostart {
public:
    enum class Status { NotRegistered, Enabled };

    // `program` is what the entry starts: the absolute path of the program, never with the options of a run.
    Autostart(QString folder, QString program);

    // $XDG_CONFIG_HOME/autostart, or ~/.config/autostart when the variable is unset or not absolute.
    static QString standardFolder();
    // The entry for the running program in the standard folder, created on first use.
    static Autostart& standard();

    QString entryPath() const;

    // Enabled when the entry can be read and its main group neither hides it nor switches it off for GNOME.
    Status status() const;
    // Writes the entry atomically, creating the folder when missing. Returns why it failed, naming the path; empty
    // on success.
    QString registerEntry();
    // Removes the entry; one that is not there is no error. Returns why it failed, naming the path; empty on success.
    QString unregisterEntry();

private:
    QByteArray entry() const;

    QString m_folder;
    QString m_program;
};
