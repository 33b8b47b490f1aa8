// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

// A text bar's feed: how long a Space switch in the hand-fed window server's file takes to reach the feed's standard
// output, and the CPU time the feed uses over 10 idle seconds (it sleeps in poll()).
#include "BenchSupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int switches = 40;

void append(const QString& path, const QByteArray& line) {
    QFile file(path);
    if (file.open(QIODevice::Append)) {
        file.write(line);
    }
}

QByteArray nextLine(QProcess& feed) {
    while (!feed.canReadLine() && feed.waitForReadyRead(10000)) {
    }
    return feed.readLine().trimmed();
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QTemporaryDir folder;
    const QString script = folder.filePath("spaces.jsonl");
    append(script, "{\"spaces\": [1, 2], \"active\": 1}\n");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("XDG_CONFIG_HOME", folder.path());
    environment.insert("XDG_RUNTIME_DIR", folder.path());

    QProcess vantorel;
    QProcess feed;
    for (QProcess* process : {&vantorel, &feed}) {
        process->setProcessEnvironment(environment);
        process->setStandardErrorFile(QProcess::nullDevice());
    }
    vantorel.setStandardOutputFile(QProcess::nullDevice());
    vantorel.start(VANTOREL_BINARY, {"--spaces-from=" + script});
    feed.start(VANTOREL_BINARY, {"--bar=plain"});
    if (nextLine(feed) != "Desktop 1") {
        std::printf("the feed shows no label\n");
        return 1;
    }
    std::vector<double> millis;
    for (int i = 0; i < switches; ++i) {
        const int active = 2 - i % 2;
        QElapsedTimer timer;
        timer.start();
        append(script, QStringLiteral("{\"spaces\": [1, 2], \"active\": %1}\n").arg(active).toUtf8());
        if (nextLine(feed) != QStringLiteral("Desktop %1").arg(active).toUtf8()) {
            std::printf("switch %d never reached the feed\n", i);
            return 1;
        }
        millis.push_back(double(timer.nsecsElapsed()) / 1e6);
        QThread::msleep(150); // past the status bar's delayed update, which shows the same label
    }
    std::sort(millis.begin(), millis.end());
    std::printf("%-58s median %7.2f ms   90th %7.2f ms   slowest %7.2f ms   (%d switches)\n",
                "Space switch in the file to the feed's line", millis[millis.size() / 2],
                millis[millis.size() * 9 / 10], millis.back(), switches);

    const long long before = cpuMilliseconds(feed.processId());
    QThread::sleep(10);
    const long long after = cpuMilliseconds(feed.processId());
    std::printf("%-58s %lld ms of CPU time\n", "the feed, idle for 10 s", after - before);
    for (QProcess* process : {&feed, &vantorel}) {
        process->terminate();
        process->waitForFinished();
    }
    return 0;
}
