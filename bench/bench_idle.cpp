// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

// Vantorel does no work while nothing changes: no timers, no polling. This runs the program on a short hand-fed
// session and prints the CPU time it used over 10 idle seconds afterwards.
#include "BenchSupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QTemporaryDir folder;
    QFile script(folder.filePath("spaces.jsonl"));
    script.open(QIODevice::WriteOnly);
    script.write("{\"spaces\": [1, 2, 3], \"active\": 1}\n{\"spaces\": [1, 2, 3], \"active\": 2}\n");
    script.close();

    QProcess vantorel;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("XDG_CONFIG_HOME", folder.path());
    environment.insert("XDG_RUNTIME_DIR", folder.path());
    vantorel.setProcessEnvironment(environment);
    vantorel.setStandardOutputFile(QProcess::nullDevice());
    vantorel.setStandardErrorFile(QProcess::nullDevice());
    vantorel.start(VANTOREL_BINARY, {"--spaces-from=" + script.fileName()});
    if (!vantorel.waitForStarted()) {
        std::printf("could not start %s\n", VANTOREL_BINARY);
        return 1;
    }
    QThread::sleep(3); // start-up and the session's switch
    const long long before = cpuMilliseconds(vantorel.processId());
    QThread::sleep(10);
    const long long after = cpuMilliseconds(vantorel.processId());
    vantorel.terminate();
    vantorel.waitForFinished();
    std::printf("%-58s %lld ms of CPU time\n", "idle for 10 s after a switch", after - before);
    return 0;
}
