// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

// Figures for Space tracking: one refresh with 16 and with 1,000 Spaces, and the time from the window server's
// notification to the last synchronous subscriber of the space manager's announcements.
#include "BenchSupport.h"
#include "settings/DefaultsStore.h"
#include "core/Diagnostics.h"
#include "windowserver/scripted/ScriptedWindowServer.h"
#include "settings/SettingsManager.h"
#include "spaces/SpaceManager.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

namespace {

void benchmarkSpaceCount(int count, const QString& folder) {
    const QString script = folder + QStringLiteral("/spaces-%1.jsonl").arg(count);
    QFile file(script);
    file.open(QIODevice::WriteOnly);
    QByteArray reading = "{\"spaces\": [";
    for (int i = 0; i < count; ++i) {
        reading += (i > 0 ? ", " : "") + QByteArray::number((count - i) * 13 + 7);
    }
    reading += "], \"active\": " + QByteArray::number(7 + 13 * (count / 2)) + "}\n";
    file.write(reading);
    file.close();

    DefaultsStore store(folder);
    SettingsManager settings(store);
    ScriptedWindowServer windowServer(script);
    windowServer.open();
    SpaceManager manager(windowServer, [&]() -> SettingsManager& { return settings; });

    measure(qPrintable(QStringLiteral("refreshSpaces with %1 Spaces").arg(count)), 2000,
            [&] { manager.refreshSpaces(); });

    QElapsedTimer timer;
    qint64 lastSubscriberNanoseconds = 0;
    QObject context;
    QObject::connect(&manager, &SpaceManager::objectWillChange, &context,
                     [&] { lastSubscriberNanoseconds = timer.nsecsElapsed(); });
    std::vector<double> micros;
    for (int i = 0; i < 2000; ++i) {
        timer.start();
        emit windowServer.activeSpaceDidChange();
        micros.push_back(static_cast<double>(lastSubscriberNanoseconds) / 1000.0);
    }
    report(qPrintable(QStringLiteral("notification to last subscriber, %1 Spaces").arg(count)), std::move(micros));
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    Diagnostics::setSink([](Diagnostics::Channel, const QString&) {});
    QTemporaryDir folder;
    benchmarkSpaceCount(16, folder.path());
    benchmarkSpaceCount(1000, folder.path());
    return 0;
}
