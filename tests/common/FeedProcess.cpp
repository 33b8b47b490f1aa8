#include "FeedProcess.h"

#include "platform/SingleInstance.h"

#include <QDeadlineTimer>
#include <QFile>

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

std::vector<char*> pointers(std::vector<QByteArray>& texts) {
    std::vector<char*> result;
    for (QByteArray& text : texts) {
        result.push_back(text.data());
    }
    result.push_back(nullptr);
    return result;
}

} // namespace

FeedProcess::FeedProcess(const QStringList& arguments, const QProcessEnvironment& environment,
                         const QString& errorFile) {
    std::vector<QByteArray> argumentTexts{QByteArrayLiteral(VANTOREL_BINARY)};
    for (const QString& argument : arguments) {
        argumentTexts.push_back(argument.toUtf8());
    }
    std::vector<QByteArray> environmentTexts;
    for (const QString& variable : environment.toStringList()) {
        environmentTexts.push_back(variable.toUtf8());
    }
    int pipe[2];
    if (::pipe2(pipe, O_CLOEXEC) != 0) {
        return;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipe[1], STDOUT_FILENO);
    if (!errorFile.isEmpty()) {
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, QFile::encodeName(errorFile).constData(),
                                         O_WRONLY | O_CREAT | O_APPEND, 0600);
    }
    std::vector<char*> argv = pointers(argumentTexts);
    std::vector<char*> envp = pointers(environmentTexts);
    if (::posix_spawn(&m_pid, VANTOREL_BINARY, &actions, nullptr, argv.data(), envp.data()) != 0) {
        m_pid = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipe[1]);
    m_output = pipe[0];
}

FeedProcess::~FeedProcess() {
    closeOutput();
    if (m_pid > 0) {
        ::kill(m_pid, SIGKILL);
        ::waitpid(m_pid, nullptr, 0);
    }
}

std::optional<QByteArray> FeedProcess::nextLine(int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    while (!m_pending.contains('\n')) {
        pollfd readable{m_output, POLLIN, 0};
        if (m_output < 0 || ::poll(&readable, 1, int(deadline.remainingTime())) != 1) {
            return std::nullopt;
        }
        char chunk[65536];
        const ssize_t count = ::read(m_output, chunk, sizeof(chunk));
        if (count <= 0) {
            return std::nullopt;
        }
        m_pending.append(chunk, count);
    }
    const qsizetype end = m_pending.indexOf('\n');
    const QByteArray line = m_pending.left(end);
    m_pending.remove(0, end + 1);
    return line;
}

void FeedProcess::closeOutput() {
    if (m_output >= 0) {
        ::close(std::exchange(m_output, -1));
    }
}

std::optional<int> FeedProcess::exitStatus(int timeoutMs) {
    if (m_pid <= 0) {
        return std::nullopt;
    }
    const QDeadlineTimer deadline(timeoutMs);
    int status = 0;
    pid_t ended = 0;
    while ((ended = ::waitpid(m_pid, &status, WNOHANG)) == 0) {
        if (deadline.hasExpired()) {
            return std::nullopt;
        }
        ::usleep(10000);
    }
    m_pid = -1;
    return ended > 0 && WIFEXITED(status) ? std::optional(WEXITSTATUS(status)) : std::nullopt;
}

pid_t instanceProcessId(const QString& folder) {
    const int socket = SingleInstance(folder).connectToRunningInstance();
    if (socket < 0) {
        return -1;
    }
    ucred credentials{};
    socklen_t length = sizeof(credentials);
    const bool known = ::getsockopt(socket, SOL_SOCKET, SO_PEERCRED, &credentials, &length) == 0;
    ::close(socket);
    return known ? credentials.pid : -1;
}
