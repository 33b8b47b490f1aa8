// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QFile>
#include <QProcess>

#include <memory>

// Fails the test unless the call, which writes why it failed into `error` (declared here), succeeds.
#define VERIFY_STARTS(...)                                                                                             \
    do {                                                                                                               \
        QString error;                                                                                                 \
        QVERIFY2((__VA_ARGS__), qPrintable(error));                                                                    \
    } while (false)

// Asks a program to end (SIGTERM) and kills it when it has not after `graceMs`.
inline void endProgram(QProcess& process, int graceMs = 3000) {
    if (process.state() != QProcess::NotRunning) {
        process.terminate();
        if (!process.waitForFinished(graceMs)) {
            process.kill();
            process.waitForFinished(3000);
        }
    }
}

// A program that is ended when it goes out of scope.
struct ProgramEnder {
    void operator()(QProcess* process) const {
        endProgram(*process);
        delete process;
    }
};
using OwnedProgram = std::unique_ptr<QProcess, ProgramEnder>;
inline OwnedProgram newProgram() {
    return OwnedProgram(new QProcess);
}

// What a program run to its end did: it succeeded when it exited by itself with status 0.
struct ProgramRun {
    bool succeeded = false;
    int exitCode = -1; // -1 when it crashed or did not end in time
    QByteArray output;
    QByteArray errors;
};

inline ProgramRun runProgram(const QString& program, const QStringList& arguments,
                             const QProcessEnvironment& environment, int timeoutMs = 20000) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    ProgramRun run;
    if (process.waitForFinished(timeoutMs) && process.exitStatus() == QProcess::NormalExit) {
        run.exitCode = process.exitCode();
        run.succeeded = run.exitCode == 0;
    }
    endProgram(process, 0);
    run.output = process.readAllStandardOutput();
    run.errors = process.readAllStandardError();
    return run;
}

// Whether a file holds `content` now; with Append, at its end.
inline bool writeFile(const QString& path, const QByteArray& content, QIODevice::OpenMode mode = QIODevice::WriteOnly) {
    QFile file(path);
    return file.open(mode | QIODevice::WriteOnly) && file.write(content) == content.size();
}

// What a file holds; empty when it can't be read.
inline QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
