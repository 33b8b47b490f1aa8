// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "PanelSession.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>

#include <csignal>
#include <unistd.h>

const QList<PanelDesktop>& PanelDesktop::all() {
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
    return desktops;
}

PanelDesktop PanelDesktop::named(const QString& name) {
    for (const PanelDesktop& desktop : all()) {
        if (desktop.name == name) {
            return desktop;
        }
    }
    return {};
}

PanelSession::PanelSession(PanelDesktop desktop)
    : m_desktop(std::move(desktop))
    , m_marker(QByteArray("VANTOREL_PANEL_SESSION=") +
               QByteArray::number(QRandomGenerator::global()->generate64(), 16)) {}

PanelSession::~PanelSession() {
    stopMarkedProcesses(SIGTERM);
    QTest::qWait(500);
    stopMarkedProcesses(SIGKILL);
}

bool PanelSession::prepare(QString* error) {
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

bool PanelSession::startPanel(QString* error) {
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

bool PanelSession::run(const QString& program, const QStringList& arguments) const {
    return runProgram(program, arguments, m_environment).succeeded;
}

// Only processes with this session's marker: never the developer's own, nor another session's.
void PanelSession::stopMarkedProcesses(int signal) const {
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
