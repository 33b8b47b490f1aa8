// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "feeds/DetachedStart.h"

#include <QFile>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace DetachedStart {

bool startThisProgram(const QStringList& arguments) {
    // Everything the child needs is made before the fork: after it, only async-signal-safe calls.
    std::vector<QByteArray> encoded{QByteArrayLiteral("vantorel")};
    for (const QString& argument : arguments) {
        encoded.push_back(QFile::encodeName(argument));
    }
    std::vector<char*> argv;
    for (QByteArray& argument : encoded) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    // The program's own path rather than /proc/self/exe, whose name ("exe") would be the process's name in ps and top.
    const QByteArray ownPath = QFile::encodeName(QFile::symLinkTarget(QStringLiteral("/proc/self/exe")));
    const QByteArray program = QFile::exists(QFile::decodeName(ownPath)) ? ownPath : QByteArray("/proc/self/exe");

    const pid_t intermediate = ::fork();
    if (intermediate < 0) {
        return false;
    }
    if (intermediate == 0) {
        // Without /dev/null the program would write into the caller's pipe: better not to start it at all.
        const int null = ::open("/dev/null", O_RDWR | O_CLOEXEC);
        if (null < 0) {
            ::_exit(1);
        }
        // The intermediate process ends at once, so the program is handed to the system to reap; its status tells
        // the caller whether the program's process exists.
        const pid_t child = ::fork();
        if (child != 0) {
            ::_exit(child < 0 ? 1 : 0);
        }
        ::setsid();
        ::signal(SIGPIPE, SIG_DFL); // the feed ignores it, and an ignored signal stays ignored across exec
        sigset_t none;
        sigemptyset(&none);
        ::sigprocmask(SIG_SETMASK, &none, nullptr); // a bar's blocked signals are not the program's
        ::dup2(null, STDIN_FILENO);
        ::dup2(null, STDOUT_FILENO);
        // Nothing the caller inherited (a bar's pipes and sockets) reaches the program.
        ::close_range(STDERR_FILENO + 1, ~0U, 0);
        ::execv(program.constData(), argv.data());
        ::_exit(127);
    }
    int status = 0;
    while (::waitpid(intermediate, &status, 0) < 0) {
        if (errno != EINTR) {
            return false;
        }
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace DetachedStart
