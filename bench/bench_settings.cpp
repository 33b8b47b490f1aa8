// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

// Figures for the settings store: reading and writing a 1,000-Space document, one full save, and creating
// 1,000 default configurations in a row.
#include "BenchSupport.h"
#include "settings/DefaultsStore.h"
#include "core/Diagnostics.h"
#include "settings/SettingsDocument.h"
#include "settings/SettingsManager.h"

#include <QCoreApplication>
#include <QTemporaryDir>

namespace {

AppSettings thousandSpaces() {
    AppSettings settings;
    for (SpaceID id = 0; id < 1000; ++id) {
        settings.spaces[id * 7 + 3] = {id * 7 + 3, QStringLiteral("Desktop %1 — Mail & Chat").arg(id + 1),
                                       SettingsManager::defaultColors[static_cast<size_t>(id % 8)]};
    }
    return settings;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    Diagnostics::setSink([](Diagnostics::Channel, const QString&) {});
    QTemporaryDir folder;
    const AppSettings settings = thousandSpaces();
    const QByteArray document = SettingsDocument::encode(settings);
    std::printf("1,000-Space document: %lld bytes\n", static_cast<long long>(document.size()));

    measure("encode a 1,000-Space document", 200, [&] { (void)SettingsDocument::encode(settings); });
    measure("decode a 1,000-Space document", 200, [&] { (void)SettingsDocument::decode(document); });

    DefaultsStore store(folder.path());
    SettingsManager manager(store);
    manager.setSettings(settings);
    measure("one save (encode + atomic replace, synced to disk)", 100, [&] { manager.saveSettings(); });
    measure("load through a new manager (read + decode)", 100, [&] { SettingsManager reloaded(store); });

    measure("1,000 default configurations via getOrCreateConfig", 3, [&] {
        QTemporaryDir emptyFolder;
        DefaultsStore emptyStore(emptyFolder.path());
        SettingsManager fresh(emptyStore);
        for (qint64 index = 0; index < 1000; ++index) {
            fresh.getOrCreateConfig(index * 7 + 3, index);
        }
    });
    return 0;
}
