// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "statusbar/TrayStyle.h"

#include <QDBusConnection>
#include <QObject>

// Finds out which program hosts status items on a bus, the owner of the StatusNotifierWatcher, and what suits it:
// each panel draws an item's picture and label in its own way.
class StatusNotifierHost : public QObject {
    Q_OBJECT

public:
    StatusNotifierHost(QDBusConnection connection, QObject* parent);

    // Asks the bus who owns the watcher now; `found` follows, also when that cannot be told.
    void find();
    // The program's file name ("kded5", "gnome-shell"), empty when unknown.
    const QString& program() const { return m_program; }

    // What the program draws well; Tile and text for a program we do not know, which no panel garbles.
    static TrayStyle styleFor(const QString& program);

signals:
    void found();

private:
    void programOfProcess(uint processID);

    QDBusConnection m_connection;
    QString m_program;
};
