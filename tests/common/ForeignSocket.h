// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QFile>
#include <QString>

#include <csignal>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

// A Unix socket served by a process of another user (nobody), for tests of what the program must not trust. Only
// root can make one: check isRunning().
class ForeignSocket {
public:
    static constexpr uid_t nobody = 65534;

    explicit ForeignSocket(const QString& path) {
        int ready[2];
        if (::getuid() != 0 || ::pipe(ready) != 0) {
            return;
        }
        m_child = ::fork();
        if (m_child == 0) {
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            std::strncpy(address.sun_path, QFile::encodeName(path).constData(), sizeof address.sun_path - 1);
            const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
            const bool listening = ::setgid(nobody) == 0 && ::setuid(nobody) == 0 &&
                                   ::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
                                   ::listen(listener, 8) == 0;
            [[maybe_unused]] const ssize_t written = ::write(ready[1], listening ? "y" : "n", 1);
            ::pause();
            ::_exit(0);
        }
        char answer = 'n';
        m_running = m_child > 0 && ::read(ready[0], &answer, 1) == 1 && answer == 'y';
        ::close(ready[0]);
        ::close(ready[1]);
    }
    ~ForeignSocket() {
        if (m_child > 0) {
            ::kill(m_child, SIGKILL);
            ::waitpid(m_child, nullptr, 0);
        }
    }
    ForeignSocket(const ForeignSocket&) = delete;
    ForeignSocket& operator=(const ForeignSocket&) = delete;

    bool isRunning() const { return m_running; }

private:
    pid_t m_child = -1;
    bool m_running = false;
};
