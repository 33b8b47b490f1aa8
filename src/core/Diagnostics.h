// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QList>
#include <QString>

#include <cerrno>
#include <functional>

// Every diagnostic line of the program goes through here: plain lines to standard output, system-log lines to
// standard error with a time stamp and the process name. Each line is flushed at once, so pipes see it live.
namespace Diagnostics {

enum class Channel { StandardOutput, SystemLog };
using Sink = std::function<void(Channel, const QString& line)>;

void print(const QString& line);
void systemLog(const QString& line);

// Replaces where lines go (tests capture them, benchmarks discard them); an empty sink restores the standard streams.
// Returns the sink that was installed before.
Sink setSink(Sink sink);

// "[3, 5, 7]": the one way lists and sets of numbers appear in diagnostic lines.
QString formatList(const QList<qint64>& values);

// The system's words for an error number ("No space left on device"), for the end of a diagnostic line.
QString systemError(int error = errno);

} // namespace Diagnostics
