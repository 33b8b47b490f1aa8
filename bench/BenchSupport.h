// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <unistd.h>
#include <vector>

// Prints the median and the fastest of a set of timings in microseconds.
inline void report(const char* label, std::vector<double> micros) {
    std::sort(micros.begin(), micros.end());
    std::printf("%-58s median %10.1f us   fastest %10.1f us   (%zu runs)\n", label, micros[micros.size() / 2],
                micros.front(), micros.size());
    std::fflush(stdout);
}

// Runs `work` `rounds` times and reports the timings.
template <typename Work>
void measure(const char* label, int rounds, Work&& work) {
    std::vector<double> micros;
    micros.reserve(static_cast<size_t>(rounds));
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        micros.push_back(static_cast<double>(timer.nsecsElapsed()) / 1000.0);
    }
    report(label, std::move(micros));
}

// The CPU time (user and system) a process has used so far, in milliseconds; -1 when it cannot be read.
inline long long cpuMilliseconds(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QByteArray line = stat.readAll();
    // Fields after the command name (which may hold blanks) start after its closing parenthesis.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    return (fields.value(11).toLongLong() + fields.value(12).toLongLong()) * 1000 / ::sysconf(_SC_CLK_TCK);
}
