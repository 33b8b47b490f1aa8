// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "DBusSession.h"
#include "X11Session.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QList>
#include <QProcessEnvironment>
#include <QRandomGenerator>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <unistd.h>

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

    static PanelDesktop named(const QString& name) {
        static const QList<PanelDesktop> desktops{
            {"kde",
             {"kwin_x11", "kded5", "plasmashell", "kwriteconfig5"},
             {"QT_QPA_PLATFORM=xcb", "KDE_FULL_SESSION=true", "KDE_SESSION_VERSION=5", "XDG_CURRENT_DESKTOP=KDE",
              "XDG_SESSION_TYPE=x11", "LIBGL_ALWAYS_SOFTWARE=1"},
             {{"kwriteconfig5", "--file", "kwinrc", "--group", "Desktops", "--key", "Number", "4"},
              {"kwriteconfig5", "--file", "kwinrc", "--group", "Desktops", "--key", "Rows", "1"}},
             {{"kwin_x11"}, {"kded5"}, {"plasmashell", "--no-respawn"}}},
            {"gnome",
             {"gnome-shell", "gsettings"},
             {"XDG_CURRENT_DESKTOP=GNOME", "XDG_SESSION_TYPE=x11", "GDK_BACKEND=x11", "LIBGL_ALWAYS_SOFTWARE=1"},
             {{"gsettings", "set", "org.gnome.shell", "enabled-extensions", "['ubuntu-appindicators@ubuntu.com']"},
              {"gsettings", "set", "org.gnome.mutter", "dynamic-workspaces", "false"},
              {"gsettings", "set", "org.gnome.desktop.wm.preferences", "num-workspaces", "4"}},
             {{"gnome-shell", "--x11", "--replace"}},
             true},
            {"xfce", {"xfwm4", "xfce4-panel"}, {}, {}, {{"xfwm4", "--compositor=off"}, {"xfce4-panel"}}},
            {"lxqt",
             {"openbox", "lxqt-panel"},
             {"XDG_CONFIG_DIRS=/etc:/etc/xdg:/usr/share"},
             {},
             {{"openbox"}, {"lxqt-panel"}}},
            {"mate", {"openbox", "mate-panel"}, {}, {}, {{"openbox"}, {"mate-panel"}}},
        };
        for (const PanelDesktop& desktop : desktops) {
            if (desktop.name == name) {
                return desktop;
            }
        }
        return {};
    }
};

// A desktop session on a private X server and a private session bus, with a fresh home, started as `desktop` says.
// Every program of the session, those the bus started on demand too, is found by a marker in its environment and
// ended with the session.
class PanelSession {
public:
    explicit PanelSession(PanelDesktop desktop)
        : m_desktop(std::move(desktop))
        , m_marker(QByteArray("VANTOREL_PANEL_SESSION=") +
                   QByteArray::number(QRandomGenerator::global()->generate64(), 16)) {}
    ~PanelSession() {
        stopMarkedProcesses(SIGTERM);
        QTest::qWait(500);
        stopMarkedProcesses(SIGKILL);
    }
    PanelSession(const PanelSession&) = delete;
    PanelSession& operator=(const PanelSession&) = delete;

    // Starts the X server and the buses and makes the settings; false with a reason when something failed.
    bool prepare(QString* error) {
        if (!m_x11.start(screen.size(), error)) {
            return false;
        }
        // Everything, the buses included, is started with the session's environment: programs the bus starts on demand
        // (xfconfd, dconf-service, kglobalaccel5) take the bus's, and would otherwise write into the real home.
        m_environment = m_x11.environment();
        for (const char* folder : {"home", "data", "cache"}) {
            QDir(m_home.path()).mkpath(QString::fromLatin1(folder));
        }
        m_environment.insert(QStringLiteral("HOME"), m_home.filePath(QStringLiteral("home")));
        m_environment.insert(QStringLiteral("XDG_DATA_HOME"), m_home.filePath(QStringLiteral("data")));
        m_environment.insert(QStringLiteral("XDG_CACHE_HOME"), m_home.filePath(QStringLiteral("cache")));
        m_environment.insert(QStringLiteral("NO_AT_BRIDGE"), QStringLiteral("1"));
        m_environment.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
        for (const QString& setting : m_desktop.environment + QStringList{QString::fromLatin1(m_marker)}) {
            m_environment.insert(setting.section('=', 0, 0), setting.section('=', 1));
        }
        if (m_desktop.needsSystemBus) {
            if (!m_systemBus.start(error, m_environment)) {
                return false;
            }
            m_environment.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), m_systemBus.address());
        }
        if (!m_bus.start(error, m_environment)) {
            return false;
        }
        m_environment = m_bus.withBus(m_environment);
        for (const QStringList& setting : m_desktop.settings) {
            if (!run(setting.constFirst(), setting.mid(1))) {
                *error = QStringLiteral("failed: ") + setting.join(' ');
                return false;
            }
        }
        return true;
    }
    // Then starts the desktop's programs and waits for the watcher.
    bool startPanel(QString* error) {
        for (const QStringList& program : m_desktop.startOrder) {
            m_x11.launch(program.constFirst(), program.mid(1), m_environment);
            QTest::qWait(500);
        }
        if (!DBusSession::waitForName(m_bus.address(), QStringLiteral("org.kde.StatusNotifierWatcher"), 20000)) {
            *error = m_desktop.name + QStringLiteral(": no StatusNotifierWatcher came");
            return false;
        }
        return true;
    }
    QProcessEnvironment environment() const { return m_environment; }
    QString configHome() const { return m_x11.configFolder(); }
    QString busAddress() const { return m_bus.address(); }
    QImage screenshot() const { return m_x11.grab(screen); }
    // Runs a program of the session to its end: whether it succeeded.
    bool run(const QString& program, const QStringList& arguments) const {
        return runProgram(program, arguments, m_environment).succeeded;
    }

    static constexpr QRect screen{0, 0, 1280, 800};

private:
    // Only processes with this session's marker: never the developer's own, nor another session's.
    void stopMarkedProcesses(int signal) const {
        const QByteArray entry = QByteArray(1, '\0') + m_marker + QByteArray(1, '\0');
        for (const QString& name : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
            bool isProcess = false;
            const pid_t pid = name.toInt(&isProcess);
            QFile environ(QStringLiteral("/proc/%1/environ").arg(name));
            if (isProcess && pid != getpid() && environ.open(QIODevice::ReadOnly) &&
                (QByteArray(1, '\0') + environ.readAll()).contains(entry)) {
                ::kill(pid, signal);
            }
        }
    }

    PanelDesktop m_desktop;
    QTemporaryDir m_home;
    X11Session m_x11;
    DBusSession m_systemBus;
    DBusSession m_bus;
    QProcessEnvironment m_environment;
    QByteArray m_marker;
};
