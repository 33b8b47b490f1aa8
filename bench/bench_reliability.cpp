// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

// Figures for what an unlucky user meets: a writer killed 200 times in the middle of its saves (torn documents and
// files left behind, before and after the next start clears them), and how long the program takes to start with
// 1,000 desktops, the first time and again, and to end on SIGTERM.
#include "BenchSupport.h"
#include "settings/DefaultsStore.h"
#include "settings/SettingsDocument.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>

namespace {

void killsDuringSaves(int kills) {
    QTemporaryDir folder;
    int torn = 0;
    for (int kill = 0; kill < kills; ++kill) {
        QProcess writer;
        writer.start(QStringLiteral(SETTINGS_BURST_WRITER), {folder.path()});
        writer.waitForReadyRead(10000);
        QThread::msleep(QRandomGenerator::global()->bounded(1, 40));
        writer.kill();
        writer.waitForFinished(10000);
        const std::optional<QByteArray> document = DefaultsStore(folder.path()).data(QStringLiteral("app_settings"));
        torn += document && SettingsDocument::decode(*document).settings ? 0 : 1;
    }
    const auto leftovers = [&folder] {
        return QDir(folder.path()).entryList({QStringLiteral("app_settings.json.??????")}, QDir::Files).size();
    };
    const qsizetype left = leftovers();
    DefaultsStore(folder.path()).removeLeftovers(QStringLiteral("app_settings"));
    std::printf("%d kills during saves: %d torn documents, %lld files left behind, %lld after the next start\n", kills,
                torn, static_cast<long long>(left), static_cast<long long>(leftovers()));
}

// Milliseconds until the program says it has launched, and until it has ended on SIGTERM after that.
std::pair<qint64, qint64> startAndStop(const QString& script, const QString& home) {
    QTemporaryDir runtime;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home);
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    program.start(QStringLiteral(VANTOREL_BINARY), {QStringLiteral("--spaces-from=") + script});
    QByteArray output;
    while (!output.contains("✅ Vantorel launched") && program.waitForReadyRead(60000)) {
        output += program.readAllStandardOutput();
    }
    const qint64 started = timer.elapsed();
    timer.restart();
    ::kill(pid_t(program.processId()), SIGTERM);
    program.waitForFinished(60000);
    return {started, timer.elapsed()};
}

void startWithSpaces(int count) {
    QTemporaryDir home;
    const QString script = home.filePath(QStringLiteral("spaces.jsonl"));
    QFile file(script);
    file.open(QIODevice::WriteOnly);
    QStringList spaces;
    for (int space = 1; space <= count; ++space) {
        spaces.append(QString::number(space));
    }
    file.write("{\"spaces\": [" + spaces.join(QLatin1Char(',')).toLatin1() + "], \"active\": 1}\n");
    file.close();
    for (const char* run : {"first start", "next start"}) {
        const auto [started, ended] = startAndStop(script, home.path());
        std::printf("%d Spaces, %s: launched in %lld ms, ended %lld ms after SIGTERM\n", count, run,
                    static_cast<long long>(started), static_cast<long long>(ended));
    }
}

} // namespace

int main() {
    killsDuringSaves(200);
    startWithSpaces(1000);
    return 0;
}
