// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

// Vantorel beside the bars it competes with, under one Xvfb with i3: Vantorel in i3bar's tray, i3bar showing its
// workspace buttons and polybar with an xworkspaces module. After 200 workspace switches 20 ms apart it prints, for
// each program, the CPU time per 100 switches, the resident memory and the private dirty memory. Needs Xvfb, i3,
// i3bar, polybar and xmessage. Prints figures; asserts nothing.
#include "I3Bar.h"
#include "VantorelProcess.h"
#include "X11Session.h"

#include "BenchSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QTest>

#include <cstdio>
#include <optional>

namespace {

constexpr int switches = 200;
constexpr int pauseBetweenSwitchesMs = 20;
constexpr int workspaces = 4;

// One window per workspace keeps every workspace alive, so that a switch changes only the focus, as it does for a
// user with windows on each desktop.
QByteArray i3Config() {
    QByteArray config = "bar {\n    position top\n    tray_output primary\n}\n";
    for (int workspace = 1; workspace <= workspaces; ++workspace) {
        config += "assign [instance=\"^desk" + QByteArray::number(workspace) + "$\"] number " +
                  QByteArray::number(workspace) + "\n";
    }
    return config;
}

constexpr char polybarConfig[] = R"([bar/bottom]
bottom = true
width = 100%
height = 24
background = #000000
foreground = #ffffff
font-0 = DejaVu Sans:size=10;2
modules-left = workspaces

[module/workspaces]
type = internal/xworkspaces
)";

// The process running `command` on `display`. i3 starts its bar detached, so it is no child of i3's.
std::optional<qint64> processOnDisplay(const QByteArray& command, const QString& display) {
    const QByteArray wanted = "DISPLAY=" + display.toUtf8();
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool isProcess = false;
        const qint64 pid = entry.toLongLong(&isProcess);
        QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
        QFile environ(QStringLiteral("/proc/%1/environ").arg(pid));
        if (isProcess && comm.open(QIODevice::ReadOnly) && comm.readAll().trimmed() == command &&
            environ.open(QIODevice::ReadOnly) && environ.readAll().split('\0').contains(wanted)) {
            return pid;
        }
    }
    return std::nullopt;
}

// A field of /proc/PID/smaps_rollup, in KiB.
qint64 rollupKiB(qint64 pid, const QByteArray& field) {
    QFile rollup(QStringLiteral("/proc/%1/smaps_rollup").arg(pid));
    if (!rollup.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : rollup.readAll().split('\n')) {
        if (line.startsWith(field + ':')) {
            return line.mid(field.size() + 1).trimmed().split(' ').value(0).toLongLong();
        }
    }
    return -1;
}

struct Measured {
    const char* name;
    qint64 pid;
    long long cpuBefore = 0;
};

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    X11Session x11;
    QString error;
    if (!x11.start(QSize(1024, 600), &error)) {
        std::printf("no X server: %s\n", qPrintable(error));
        return 1;
    }
    x11.launch(QStringLiteral("i3"), {"-c", x11.writeConfigFile("i3.conf", "# i3 config file (v4)\n"
                                                                           "font pango:DejaVu Sans 10\n" +
                                                                               i3Config())});
    QTest::qWait(1000);
    for (int workspace = 1; workspace <= workspaces; ++workspace) {
        x11.launch(QStringLiteral("xmessage"), {"-name", "desk" + QString::number(workspace), "desk"});
    }
    QProcess& polybar = x11.launch(QStringLiteral("polybar"),
                                   {"--config=" + x11.writeConfigFile("polybar.ini", polybarConfig), "bottom"});
    QProcessEnvironment withTray = x11.environment();
    withTray.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    VantorelProcess vantorel(withTray);
    if (!vantorel.start() || vantorel.waitForLine(QStringLiteral("✅ Vantorel launched")) < 0) {
        std::printf("Vantorel did not start:\n%s\n", vantorel.transcript().constData());
        return 1;
    }
    QTest::qWait(2000); // every window placed, the tray icon docked, the start's updates done
    const std::optional<qint64> i3bar = processOnDisplay("i3bar", x11.display());
    if (!i3bar) {
        std::printf("i3 started no i3bar\n");
        return 1;
    }

    std::vector<Measured> programs{
        {"vantorel", vantorel.processId()}, {"polybar", polybar.processId()}, {"i3bar", *i3bar}};
    for (Measured& program : programs) {
        program.cpuBefore = cpuMilliseconds(program.pid);
    }
    for (int i = 0; i < switches; ++i) {
        x11.run(QStringLiteral("i3-msg"), {QStringLiteral("workspace number %1").arg(i % workspaces + 1)});
        QTest::qWait(pauseBetweenSwitchesMs); // reads what Vantorel prints meanwhile
    }
    QTest::qWait(500); // the last switch's delayed update
    vantorel.lines();  // read what it printed, so that it never waits on a full pipe

    std::printf("%d switches %d ms apart under i3:\n", switches, pauseBetweenSwitchesMs);
    for (const Measured& program : programs) {
        const long long cpu = cpuMilliseconds(program.pid) - program.cpuBefore;
        std::printf("%-10s CPU %7.1f ms per 100 switches   RSS %7lld KiB   private dirty %7lld KiB\n", program.name,
                    cpu * 100.0 / switches, rollupKiB(program.pid, "Rss"), rollupKiB(program.pid, "Private_Dirty"));
    }
    std::fflush(stdout);
    vantorel.stop();
    return 0;
}
