// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "feeds/BarFeed.h"

#include "feeds/DetachedStart.h"
#include "feeds/LabelTopic.h"
#include "core/Diagnostics.h"
#include "instance/SingleInstance.h"

#include <QFile>

#include <algorithm>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/inotify.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int output = STDOUT_FILENO;
// A program started by the feed needs a moment before it listens (longer under a sanitizer).
constexpr auto launchPatience = std::chrono::seconds(15);
// The socket appears when it is bound, a moment before the program listens on it.
constexpr auto listenPatience = std::chrono::seconds(3);
constexpr int retryIntervalMs = 50;
constexpr std::chrono::milliseconds firstRetryDelay{100};
constexpr std::chrono::milliseconds longestRetryDelay{10000};
constexpr char socketName[] = "instance.socket";

bool isClosed(short revents) {
    return (revents & (POLLERR | POLLHUP | POLLNVAL)) != 0;
}

// Waits up to `timeoutMs` (forever when negative) for standard output to close or `descriptor` (none when negative)
// to become readable. Returns the events of both, or nothing when poll() itself failed.
std::optional<std::pair<short, short>> waitForEvents(int descriptor, int timeoutMs) {
    pollfd descriptors[2] = {{descriptor, POLLIN, 0}, {output, 0, 0}};
    while (::poll(descriptors, 2, timeoutMs) < 0) {
        if (errno != EINTR) {
            return std::nullopt;
        }
    }
    return std::pair{descriptors[0].revents, descriptors[1].revents};
}

// Whether the events read from an inotify descriptor tell of the socket appearing (or may have: an overflow).
bool socketAppeared(int watch) {
    alignas(inotify_event) char buffer[4096];
    bool appeared = false;
    for (ssize_t length; (length = ::read(watch, buffer, sizeof(buffer))) > 0;) {
        for (ssize_t offset = 0; offset < length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + offset);
            appeared = appeared || (event->mask & IN_Q_OVERFLOW) != 0 ||
                       (event->len > 0 && std::strcmp(event->name, socketName) == 0);
            offset += ssize_t(sizeof(inotify_event)) + event->len;
        }
    }
    return appeared;
}

// polybar gives its scripts one pipe for both outputs: a diagnostic line there (the feed's, or a started program's,
// which shares standard error) would show as the label, and the program would hold the bar's pipe open.
void silenceErrorsOnTheBarsPipe() {
    struct stat output {};
    struct stat errors {};
    if (::fstat(STDOUT_FILENO, &output) != 0 || ::fstat(STDERR_FILENO, &errors) != 0 ||
        !(S_ISFIFO(output.st_mode) || S_ISSOCK(output.st_mode)) || output.st_dev != errors.st_dev ||
        output.st_ino != errors.st_ino) {
        return;
    }
    if (const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC); null >= 0) {
        ::dup2(null, STDERR_FILENO);
        ::close(null);
    }
}

} // namespace

BarFeed::BarFeed(BarFormat format, QString output, QStringList launchArguments, const SingleInstance& instance)
    : m_format(format)
    , m_output(std::move(output))
    , m_launchArguments(std::move(launchArguments))
    , m_instance(instance) {}

int BarFeed::run() {
    // A closed standard output shows as EPIPE from write() (and in poll()), never as a signal.
    ::signal(SIGPIPE, SIG_IGN);
    silenceErrorsOnTheBarsPipe();
    int socket = connectOrLaunch();
    // A program that closes the connection without a label (one that is quitting, or too old to serve feeds) is
    // asked again ever more slowly, never in a busy loop.
    std::chrono::milliseconds retryDelay{0};
    while (!m_exitStatus) {
        if (socket >= 0) {
            retryDelay = relay(socket) ? std::chrono::milliseconds(0)
                                       : std::clamp(retryDelay * 2, firstRetryDelay, longestRetryDelay);
        }
        if (!m_exitStatus && writeLine(BarFormats::emptyLine(m_format))) {
            socket = waitForInstance(retryDelay);
        }
    }
    return *m_exitStatus;
}

void BarFeed::finish(int status) {
    if (!m_exitStatus) {
        m_exitStatus = status;
    }
}

int BarFeed::connectOrLaunch() {
    int socket = m_instance.connectToRunningInstance();
    if (socket >= 0) {
        return socket;
    }
    // Feeds that start together (one bar per screen) start one program: the first starts it, the others find it.
    QString error;
    const int launchLock = m_instance.holdLaunchLock(&error);
    if (launchLock < 0) {
        Diagnostics::systemLog(QStringLiteral("⚠️ Starting Vantorel without the launch lock: %1").arg(error));
    }
    socket = m_instance.connectToRunningInstance();
    if (socket < 0) {
        if (!m_instance.isInstanceRunning()) {
            Diagnostics::systemLog(QStringLiteral("🚀 No Vantorel is running: starting one for the bar"));
            qputenv(startedByFeedVariable, "1");
            if (!DetachedStart::startThisProgram(m_launchArguments)) {
                Diagnostics::systemLog(
                    QStringLiteral("❌ Could not start Vantorel: %1").arg(Diagnostics::systemError()));
            }
        }
        socket = connectWithPatience(launchPatience);
        if (socket < 0 && !m_exitStatus) {
            Diagnostics::systemLog(QStringLiteral("⚠️ Vantorel does not answer; waiting for it to start"));
        }
    }
    if (launchLock >= 0) {
        ::close(launchLock);
    }
    return socket;
}

int BarFeed::connectWithPatience(std::chrono::milliseconds patience) {
    const auto deadline = std::chrono::steady_clock::now() + patience;
    for (;;) {
        if (const int socket = m_instance.connectToRunningInstance(); socket >= 0) {
            return socket;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return -1;
        }
        const auto events = waitForEvents(-1, retryIntervalMs);
        if (!events || isClosed(events->second)) {
            finish(0);
            return -1;
        }
    }
}

int BarFeed::waitForInstance(std::chrono::milliseconds delay) {
    const QByteArray folder = QFile::encodeName(m_instance.folder());
    const int watch = ::inotify_init1(IN_CLOEXEC | IN_NONBLOCK);
    if (watch < 0 || ::inotify_add_watch(watch, folder.constData(), IN_CREATE | IN_MOVED_TO | IN_ONLYDIR) < 0) {
        Diagnostics::systemLog(QStringLiteral("❌ Cannot wait for Vantorel in %1: %2")
                                   .arg(m_instance.folder(), Diagnostics::systemError()));
        if (watch >= 0) {
            ::close(watch);
        }
        finish(1);
        return -1;
    }
    // The program may have come back before the watch was in place, or may never have gone (it dropped this feed).
    int socket = -1;
    if (const auto events = waitForEvents(-1, int(delay.count())); !events || isClosed(events->second)) {
        finish(0);
    } else {
        socket = m_instance.connectToRunningInstance();
    }
    while (socket < 0 && !m_exitStatus) {
        const auto events = waitForEvents(watch, -1);
        if (!events || isClosed(events->second)) {
            finish(0);
        } else if (socketAppeared(watch)) {
            socket = connectWithPatience(listenPatience);
        }
    }
    ::close(watch);
    return socket;
}

bool BarFeed::relay(int socket) {
    const QByteArray request = "subscribe " + LabelTopic{BarFormats::name(m_format), m_output}.toText().toUtf8() + '\n';
    if (::send(socket, request.constData(), static_cast<size_t>(request.size()), MSG_NOSIGNAL) != request.size()) {
        ::close(socket);
        return false;
    }
    bool labelCame = false;
    QByteArray pending;
    bool skippingLongLine = false;
    while (!m_exitStatus) {
        const auto events = waitForEvents(socket, -1);
        if (!events || isClosed(events->second)) {
            finish(0);
            break;
        }
        if (events->first == 0) {
            continue;
        }
        char chunk[65536];
        const ssize_t received = ::recv(socket, chunk, sizeof(chunk), 0);
        if (received < 0 && errno == EINTR) {
            continue;
        }
        if (received <= 0) {
            break; // the program went away
        }
        pending.append(chunk, received);
        qsizetype start = 0;
        for (qsizetype end; (end = pending.indexOf('\n', start)) >= 0; start = end + 1) {
            if (!skippingLongLine) {
                labelCame = show(pending.sliced(start, end - start)) || labelCame;
            }
            skippingLongLine = false;
        }
        pending.remove(0, start);
        if (pending.size() > BarLabel::maximumWireLineLength) {
            Diagnostics::systemLog(QStringLiteral("⚠️ Skipping an overlong line from Vantorel"));
            pending.clear();
            skippingLongLine = true;
        }
    }
    ::close(socket);
    return labelCame;
}

bool BarFeed::show(const QByteArray& wireLine) {
    QString error;
    const std::optional<BarLabel> label = BarLabel::fromWireLine(wireLine, &error);
    if (!label) {
        Diagnostics::systemLog(QStringLiteral("⚠️ Skipping a line from Vantorel that is no label: %1").arg(error));
        return false;
    }
    writeLine(BarFormats::labelLine(m_format, *label));
    return true;
}

bool BarFeed::writeLine(const QByteArray& line) {
    if (m_exitStatus) {
        return false;
    }
    if (line == m_lastLine) {
        return true;
    }
    const QByteArray bytes = line + '\n';
    for (qsizetype written = 0; written < bytes.size();) {
        const ssize_t count = ::write(output, bytes.constData() + written, static_cast<size_t>(bytes.size() - written));
        if (count >= 0) {
            written += count;
        } else if (errno == EAGAIN) {
            // Someone made the pipe non-blocking: wait until it takes more.
            pollfd writable{output, POLLOUT, 0};
            ::poll(&writable, 1, -1);
        } else if (errno != EINTR) {
            const bool readerGone = errno == EPIPE;
            if (!readerGone) {
                Diagnostics::systemLog(QStringLiteral("❌ Cannot write to the bar: %1").arg(Diagnostics::systemError()));
            }
            finish(readerGone ? 0 : 1);
            return false;
        }
    }
    m_lastLine = line;
    return true;
}
