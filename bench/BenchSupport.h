#pragma once

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
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
