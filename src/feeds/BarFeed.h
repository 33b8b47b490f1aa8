// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "feeds/BarFormat.h"

#include <QByteArray>
#include <QStringList>

#include <chrono>
#include <optional>

class SingleInstance;

// `vantorel --bar=FORMAT`: a text bar's feed. It subscribes to the running program over the instance socket and
// writes the label in the bar's format to standard output, one line at once and one per change, until standard
// output closes (the bar went away: exit status 0).
//
// It needs no application object: a plain loop sleeps in poll() on the socket and on standard output (which reports
// an error once the reader is gone), so it costs nothing while nothing changes. When no program runs at its start, it
// starts one; when the program ends later, it writes the line that shows nothing and waits (inotify on the runtime
// folder) for the next one to appear, without ever starting the program again: a user who quit it keeps it quit.
class BarFeed {
public:
    // Set in the environment of a program a feed starts: the feed holds the launch lock until that program listens.
    static constexpr char startedByFeedVariable[] = "VANTOREL_STARTED_BY_FEED";

    // `launchArguments` are passed to the program when the feed starts it (the window server to follow). With an
    // `output`, the feed shows the desktop visible on that monitor rather than the focused one.
    BarFeed(BarFormat format, QString output, QStringList launchArguments, const SingleInstance& instance);

    // Runs until standard output closes; the exit status.
    int run();

private:
    int connectOrLaunch();
    // Tries at once after `delay`, then whenever the socket appears.
    int waitForInstance(std::chrono::milliseconds delay);
    int connectWithPatience(std::chrono::milliseconds patience);
    // Subscribes and writes the program's lines until it goes away or standard output closes; closes the socket.
    // Whether any label came.
    bool relay(int socket);
    // Whether the line was a label.
    bool show(const QByteArray& wireLine);
    // False once standard output is closed. A line equal to the one before is not written again.
    bool writeLine(const QByteArray& line);
    void finish(int status);

    const BarFormat m_format;
    const QString m_output;
    const QStringList m_launchArguments;
    const SingleInstance& m_instance;
    std::optional<QByteArray> m_lastLine;
    std::optional<int> m_exitStatus;
};
