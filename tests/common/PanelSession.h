// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "DBusSession.h"
#include "X11Session.h"

#include <QImage>
#include <QList>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>

// How a desktop's panel starts on a bare X server, as measured on Debian 12: what it needs, its environment, the
// settings made before it starts and the programs started in turn. It is ready once the StatusNotifierWatcher is on
// the bus.
struct PanelDesktop {
    QString name;
    QStringList programs;          // must be installed
    QStringList environment;       // "NAME=value", for every program of the session
    QList<QStringList> settings;   // run to their end before the programs start
    QList<QStringList> startOrder; // started one after the other, each given a moment to come up
    bool needsSystemBus = false;   // gnome-shell dies without one

    static const QList<PanelDesktop>& all();
    static PanelDesktop named(const QString& name);
};

// A desktop session on a private X server and a private session bus, with a fresh home, started as `desktop` says.
// Every program of the session, those the bus started on demand too, is found by a marker in its environment and
// ended with the session.
class PanelSession {
public:
    explicit PanelSession(PanelDesktop desktop);
    ~PanelSession();
    PanelSession(const PanelSession&) = delete;
    PanelSession& operator=(const PanelSession&) = delete;

    // Starts the X server and the buses and makes the settings; false with a reason when something failed.
    bool prepare(QString* error);
    // Then starts the desktop's programs and waits for the watcher.
    bool startPanel(QString* error);
    QProcessEnvironment environment() const { return m_environment; }
    QString configHome() const { return m_x11.configFolder(); }
    QString busAddress() const { return m_bus.address(); }
    QImage screenshot() const { return m_x11.grab(screen); }
    // Runs a program of the session to its end: whether it succeeded.
    bool run(const QString& program, const QStringList& arguments) const;

    static constexpr QRect screen{0, 0, 1280, 800};

private:
    void stopMarkedProcesses(int signal) const;

    PanelDesktop m_desktop;
    QTemporaryDir m_home;
    X11Session m_x11;
    DBusSession m_systemBus;
    DBusSession m_bus;
    QProcessEnvironment m_environment;
    QByteArray m_marker;
};
