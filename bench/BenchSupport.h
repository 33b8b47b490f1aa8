#pragma once

#include <QElapsedTimer>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <vector>

// Runs `work` `rounds` times and prints the median and the fastest run in microseconds.
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
    std::sort(micros.begin(), micros.end());
    std::printf("%-58s median %10.1f us   fastest %10.1f us   (%d runs)\n", label, micros[micros.size() / 2],
                micros.front(), rounds);
    std::fflush(stdout);
}
