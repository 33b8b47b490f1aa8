// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "app/DesktopCommandClient.h"

#include "core/Diagnostics.h"
#include "feeds/BarFeed.h"
#include "feeds/DetachedStart.h"
#include "instance/SingleInstance.h"
#include "scripting/DesktopCommandServer.h"

#include <chrono>
#include <fcntl.h>
#include <cstdio>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace {

// A program the client starts needs a moment before it listens (longer under a sanitizer).
constexpr auto launchPatience = std::chrono::seconds(15);
constexpr auto retryInterval = std::chrono::milliseconds(50);
// Switching waits for nothing, and listing is quick: a program that stays silent this long is stuck.
constexpr int answerPatienceMs = 10000;
// How the running program's socket is asked for commands.
constexpr char commandTopic[] = "subscribe commands\n";

int fail(const QString& message) {
    std::fprintf(stderr, "vantorel: %s\n", message.toUtf8().constData());
    return DesktopCommandReply::Refused;
}

} // namespace

DesktopCommandClient::DesktopCommandClient(DesktopCommand command, QStringList launchArguments,
                                           const SingleInstance& instance)
    : m_command(std::move(command))
    , m_launchArguments(std::move(launchArguments))
    , m_instance(instance) {}

int DesktopCommandClient::run() {
    const int socket = connectOrLaunch();
    if (socket < 0) {
        return fail(QStringLiteral("Vantorel does not answer"));
    }
    const std::optional<QByteArray> line = exchange(socket);
    ::close(socket);
    const std::optional<DesktopCommandReply> reply =
        line ? DesktopCommandReply::fromLine(*line) : std::optional<DesktopCommandReply>();
    if (!reply) {
        return fail(QStringLiteral("the running Vantorel gave no answer (is it an older version?)"));
    }
    std::fputs(reply->output.toUtf8().constData(), stdout);
    if (!reply->error.isEmpty()) {
        std::fprintf(stderr, "vantorel: %s\n", reply->error.toUtf8().constData());
    }
    return reply->status;
}

int DesktopCommandClient::connectOrLaunch() {
    if (const int socket = m_instance.connectToRunningInstance(); socket >= 0) {
        return socket;
    }
    // Commands and feeds that start together start one program: the first starts it, the others find it.
    QString error;
    const int launchLock = m_instance.holdLaunchLock(&error);
    int socket = m_instance.connectToRunningInstance();
    if (socket < 0 && !m_instance.isInstanceRunning()) {
        Diagnostics::systemLog(QStringLiteral("🚀 No Vantorel is running: starting one for the command"));
        startQuietly();
    }
    for (const auto deadline = std::chrono::steady_clock::now() + launchPatience;
         socket < 0 && std::chrono::steady_clock::now() < deadline; socket = m_instance.connectToRunningInstance()) {
        std::this_thread::sleep_for(retryInterval);
    }
    if (launchLock >= 0) {
        ::close(launchLock);
    }
    return socket;
}

void DesktopCommandClient::startQuietly() const {
    // The program outlives the command: its diagnostic lines must not turn up in the user's terminal later on.
    const int errors = ::dup(STDERR_FILENO);
    if (const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC); null >= 0) {
        ::dup2(null, STDERR_FILENO);
        ::close(null);
    }
    // This client holds the launch lock until the program listens, as a feed does.
    qputenv(BarFeed::startedByFeedVariable, "1");
    const bool started = DetachedStart::startThisProgram(m_launchArguments);
    if (errors >= 0) {
        ::dup2(errors, STDERR_FILENO);
        ::close(errors);
    }
    if (!started) {
        Diagnostics::systemLog(QStringLiteral("❌ Could not start Vantorel: %1").arg(Diagnostics::systemError()));
    }
}

std::optional<QByteArray> DesktopCommandClient::exchange(int socket) {
    const QByteArray request = QByteArray(commandTopic) + m_command.toLine();
    if (::send(socket, request.constData(), size_t(request.size()), MSG_NOSIGNAL) != request.size()) {
        return std::nullopt;
    }
    QByteArray received;
    while (!received.contains('\n')) {
        pollfd readable{socket, POLLIN, 0};
        if (::poll(&readable, 1, answerPatienceMs) != 1) {
            return std::nullopt;
        }
        char chunk[65536];
        const ssize_t count = ::recv(socket, chunk, sizeof(chunk), 0);
        if (count <= 0 || received.size() > DesktopCommandServer::longestRequest * 16) {
            return std::nullopt;
        }
        received.append(chunk, count);
    }
    return received.left(received.indexOf('\n'));
}
