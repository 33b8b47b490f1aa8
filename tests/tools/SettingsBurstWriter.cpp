// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

// Saves settings documents of changing size into a folder as fast as it can, until it is killed. The store test
// kills it at random moments and checks that the document left behind is always a whole one.
#include "settings/DefaultsStore.h"
#include "core/Diagnostics.h"
#include "settings/SettingsManager.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: settings_burst_writer FOLDER\n");
        return 2;
    }
    Diagnostics::setSink([](Diagnostics::Channel, const QString&) {});
    DefaultsStore store(QString::fromLocal8Bit(argv[1]));
    SettingsManager manager(store);
    for (qint64 round = 0;; ++round) {
        const qint64 size = 1 + round % 400;
        AppSettings settings;
        for (qint64 id = 0; id < size; ++id) {
            settings.spaces[id] = {id, QStringLiteral("Desktop %1 of round %2 🙂").arg(id).arg(round),
                                   SettingsManager::defaultColors[static_cast<size_t>(id % 8)]};
        }
        manager.setSettings(std::move(settings));
        if (round == 0) {
            std::printf("started\n");
            std::fflush(stdout);
        }
    }
}
