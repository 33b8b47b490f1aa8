// A text bar's feed: how long a Space switch in the hand-fed window server's file takes to reach the feed's standard
// output, and the CPU time the feed uses over 10 idle seconds (it sleeps in poll()).
#include "FeedProcess.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <unistd.h>
#include <vector>

namespace {

constexpr int switches = 40;

// utime + stime of a process, in milliseconds.
long long cpuMilliseconds(pid_t pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    return (fields.value(11).toLongLong() + fields.value(12).toLongLong()) * 1000 / ::sysconf(_SC_CLK_TCK);
}

bool append(const QString& path, const QByteArray& line) {
    QFile file(path);
    return file.open(QIODevice::Append) && file.write(line) == line.size();
}

} // namespace

int main() {
    QTemporaryDir folder;
    const QString script = folder.filePath("spaces.jsonl");
    append(script, "{\"spaces\": [1, 2], \"active\": 1}\n");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("XDG_CONFIG_HOME", folder.path());
    environment.insert("XDG_RUNTIME_DIR", folder.path());

    FeedProcess feed({"--bar=plain", "--spaces-from=" + script}, environment, folder.filePath("feed.log"));
    if (feed.nextLine() != QByteArray("Desktop 1")) {
        std::printf("the feed did not start Vantorel\n");
        return 1;
    }
    std::vector<double> millis;
    for (int i = 0; i < switches; ++i) {
        const int active = 2 - i % 2;
        QElapsedTimer timer;
        timer.start();
        append(script, QStringLiteral("{\"spaces\": [1, 2], \"active\": %1}\n").arg(active).toUtf8());
        if (feed.nextLine() != QStringLiteral("Desktop %1").arg(active).toUtf8()) {
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
    std::fflush(stdout);

    if (const pid_t program = instanceProcessId(folder.filePath("vantorel")); program > 0) {
        ::kill(program, SIGTERM);
    }
    feed.closeOutput();
    feed.exitStatus();
    return 0;
}
