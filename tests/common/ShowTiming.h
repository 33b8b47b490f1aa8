// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QElapsedTimer>
#include <QTest>

#include <functional>
#include <optional>

// How long after `since` started a panel came to show something: polls `shows` (every 5 ms, at most `timeoutMs`
// from `since`'s start) and returns the time at which it first held, or nothing. A figure to print, never a limit
// to assert: timing belongs to benchmarks.
inline std::optional<qint64> millisecondsUntil(const QElapsedTimer& since, const std::function<bool()>& shows,
                                               int timeoutMs = 20000) {
    for (;;) {
        if (shows()) {
            return since.elapsed();
        }
        if (since.elapsed() > timeoutMs) {
            return std::nullopt;
        }
        QTest::qWait(5);
    }
}
