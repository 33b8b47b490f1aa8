// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

// Vantorel in GNOME and KDE Plasma run as headless Wayland sessions (the window manager only, with Xwayland): it
// chooses its window server by itself, names the first desktop from its first second and follows a switch made the
// session's own way.
#include "DBusSession.h"
#include "Processes.h"
#include "RequirePrograms.h"
#include "VantorelProcess.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

class TestWaylandSessions : public QObject {
    Q_OBJECT

private slots:
    void followsDesktopSwitches_data() {
        // Command lines and variables are split at blanks.
        QTest::addColumn<QString>("compositor");
        QTest::addColumn<QString>("variables");
        QTest::addColumn<QString>("sessionUp"); // in the compositor's log, capturing the X display
        QTest::addColumn<QString>("backend");
        QTest::addColumn<QString>("switchToSecond");

        // GNOME names no current desktop until the first switch; KWin starts the program it is given once Xwayland is
        // up.
        QTest::newRow("GNOME")
            << "gnome-shell --wayland --headless --virtual-monitor 1280x800 --wayland-display=vantorel-test"
            << "XDG_CURRENT_DESKTOP=GNOME"
            << R"(Using public X11 display (:\d+)[\s\S]*GNOME Shell started)"
            << "🔌 Following the window manager on X display"
            << "wmctrl -s 1";
        QTest::newRow("KDE Plasma")
            << "kwin_wayland --virtual --xwayland --width 1280 --height 800 --socket vantorel-test --no-lockscreen "
               "--no-kactivities printenv"
            << "XDG_CURRENT_DESKTOP=KDE KDE_FULL_SESSION=true KDE_SESSION_VERSION=5"
            << R"(^DISPLAY=(:\d+)$)"
            << "🔌 Following KWin's virtual desktops on the session bus"
            << "dbus-send --session --print-reply --dest=org.kde.KWin /KWin org.kde.KWin.setCurrentDesktop int32:2";
    }

    void followsDesktopSwitches() {
        QFETCH(QString, compositor);
        QFETCH(QString, variables);
        QFETCH(QString, sessionUp);
        QFETCH(QString, backend);
        QFETCH(QString, switchToSecond);
        const QStringList compositorLine = compositor.split(' ');
        const QStringList switchLine = switchToSecond.split(' ');
        REQUIRE_PROGRAMS(compositorLine[0], switchLine[0], "Xwayland", "dbus-daemon");

        QTemporaryDir runtime; // 0700, as a runtime folder must be
        // Without QT_QPA_PLATFORM Vantorel, like every Qt program of the session, is a native Wayland client.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "XAUTHORITY", "SWAYSOCK", "I3SOCK", "QT_QPA_PLATFORM"}) {
            environment.remove(name);
        }
        for (const char* folder : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"}) {
            QDir(runtime.path()).mkpath(folder);
            environment.insert(folder, runtime.filePath(folder));
        }
        variables +=
            " XDG_RUNTIME_DIR=" + runtime.path() + " XDG_SESSION_TYPE=wayland LIBGL_ALWAYS_SOFTWARE=1 NO_AT_BRIDGE=1";
        for (const QString& variable : variables.split(' ')) {
            environment.insert(variable.section('=', 0, 0), variable.section('=', 1));
        }
        // KWin starts with one desktop; GNOME keeps an empty one after the last, which makes two.
        QVERIFY(writeFile(runtime.filePath("XDG_CONFIG_HOME/kwinrc"), "[Desktops]\nNumber=2\n"));
        DBusSession systemBus; // gnome-shell dies without one
        VERIFY_STARTS(systemBus.start(&error, environment));
        environment.insert("DBUS_SYSTEM_BUS_ADDRESS", systemBus.address());
        DBusSession bus;
        VERIFY_STARTS(bus.start(&error, environment));
        environment = bus.withBus(environment);

        // A plain copy, under its own name (KWin insists on it): kwin_wayland carries a file capability that a sandbox
        // may refuse to grant.
        const QString copy = runtime.filePath("bin/" + compositorLine[0]);
        QVERIFY(QDir(runtime.path()).mkpath("bin") &&
                QFile::copy(QStandardPaths::findExecutable(compositorLine[0]), copy));
        VantorelProcess session(environment);
        QVERIFY(session.start(copy, compositorLine.mid(1)));
        m_compositorId = session.processId();
        const QRegularExpression up(sessionUp, QRegularExpression::MultilineOption);
        QString display;
        QTRY_VERIFY_WITH_TIMEOUT(
            !(display = up.match(session.lines().join('\n')).captured(1)).isEmpty() || !session.isRunning(), 60000);
        QVERIFY2(!display.isEmpty(), session.transcript());
        environment.insert("DISPLAY", display);
        environment.insert("WAYLAND_DISPLAY", runtime.filePath("vantorel-test"));
        // mutter keeps its Xwayland's cookie there; KWin's Xwayland asks for none.
        for (const QString& cookie :
             QDir(runtime.path()).entryList({".mutter-Xwaylandauth.*"}, QDir::Files | QDir::Hidden)) {
            environment.insert("XAUTHORITY", runtime.filePath(cookie));
        }

        VantorelProcess vantorel(environment);
        QVERIFY(vantorel.start());
        VERIFY_SAYS(vantorel, backend, 0, 20000);
        const qsizetype shown = vantorel.waitForLine("🔄 Updating status bar:", 0, 20000);
        QVERIFY2(shown >= 0 && vantorel.lines()[shown].contains("Name=Desktop 1,"), vantorel.transcript());
        VERIFY_SAYS(vantorel, "no XEmbed tray on wayland"); // nor a watcher here

        const qsizetype mark = vantorel.lines().size();
        QVERIFY(runProgram(switchLine[0], switchLine.mid(1), environment).succeeded);
        VERIFY_SAYS(vantorel, "🔄 Space changed from", mark, 20000);
        VERIFY_SAYS(vantorel, "Name=Desktop 2,", mark, 20000);
        // No Space that the window manager does not have, not even for a moment.
        QVERIFY2(vantorel.lines().filter(QRegularExpression(R"(➖|Space ID=?\s?0\D)")).isEmpty(), vantorel.transcript());
        QCOMPARE(vantorel.stop(), 0);
        session.stop();
    }

    // A compositor killed leaves its X display's lock and socket behind: removed once their owner is gone.
    void cleanup() {
        for (const QString& lock : QDir("/tmp").entryList({".X*-lock"}, QDir::Files | QDir::Hidden)) {
            QFile file("/tmp/" + lock);
            if (m_compositorId > 0 && file.open(QIODevice::ReadOnly) &&
                file.readAll().trimmed().toLongLong() == m_compositorId && ::kill(pid_t(m_compositorId), 0) != 0) {
                QFile::remove("/tmp/.X11-unix/X" + lock.mid(2).section('-', 0, 0));
                file.remove();
            }
        }
        m_compositorId = 0;
    }

private:
    qint64 m_compositorId = 0;
};

QTEST_GUILESS_MAIN(TestWaylandSessions)
#include "tst_waylandsessions.moc"
