// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QFile>
#include <QProcess>
#include <QTest>

#include <unistd.h>

// A Unix socket served by another user (nobody), for tests of what the program must not trust. Only root can make
// one: isRunning() says whether it did. (perl-base is part of every Debian system.)
class ForeignSocket {
public:
    explicit ForeignSocket(const QString& path) {
        if (::getuid() == 0) {
            m_server.start("setpriv", {"--reuid=65534", "--regid=65534", "--clear-groups", "perl", "-MSocket", "-e",
                                       "socket(S, PF_UNIX, SOCK_STREAM, 0); bind(S, sockaddr_un($ARGV[0])) or die; "
                                       "listen(S, 8); sleep 60",
                                       path});
            m_running = QTest::qWaitFor([&] { return QFile::exists(path); }, 5000);
        }
    }
    ~ForeignSocket() {
        m_server.kill();
        m_server.waitForFinished();
    }
    bool isRunning() const { return m_running; }

private:
    QProcess m_server;
    bool m_running = false;
};
