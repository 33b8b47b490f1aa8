#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <optional>
#include <sys/types.h>

// `vantorel --bar=FORMAT` as a bar runs it: its standard output is a pipe whose reading end the test holds and may
// close, as a bar that goes away does. (QProcess keeps its end open whatever the test asks.)
class FeedProcess {
public:
    // Standard error goes to `errorFile` when given (appended), else to the test's own.
    FeedProcess(const QStringList& arguments, const QProcessEnvironment& environment,
                const QString& errorFile = QString());
    ~FeedProcess();
    FeedProcess(const FeedProcess&) = delete;
    FeedProcess& operator=(const FeedProcess&) = delete;

    pid_t processId() const { return m_pid; }
    // The next line without its newline; nothing when none came within `timeoutMs` or the output ended.
    std::optional<QByteArray> nextLine(int timeoutMs = 20000);
    // Closes the reading end of standard output.
    void closeOutput();
    // Waits for the feed to end; its exit status, or nothing when it did not end normally within `timeoutMs`.
    std::optional<int> exitStatus(int timeoutMs = 10000);

private:
    pid_t m_pid = -1;
    int m_output = -1;
    QByteArray m_pending;
};

// The process that serves the instance socket in `folder` (the program's runtime folder), or -1 when none listens.
pid_t instanceProcessId(const QString& folder);
