// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "settings/SettingsManager.h"

#include "settings/DefaultsStore.h"
#include "core/Diagnostics.h"
#include "settings/SettingsDocument.h"
#include "core/LocalizedTexts.h"
#include "core/TextKeys.h"

#include <QDateTime>
#include <QFileInfo>
#include <QSet>

SettingsManager::SettingsManager(DefaultsStore& defaults)
    : m_defaults(defaults)
    , m_removedSpaces(defaults) {
    // In the body, so that loading can note an unreadable document in a member that is already constructed.
    m_settings = loadSettings().value_or(AppSettings());
}

SettingsManager& SettingsManager::shared() {
    // Never destroyed: it lives as long as the process, like the store it writes to.
    static auto* instance = new SettingsManager(DefaultsStore::standard());
    return *instance;
}

void SettingsManager::setSettings(AppSettings settings) {
    modifySettings([&settings](AppSettings& stored) { stored = std::move(settings); });
}

void SettingsManager::modifySettings(const std::function<void(AppSettings&)>& change) {
    emit objectWillChange();
    change(m_settings);
    saveSettings();
    emit settingsDidChange(m_settings);
}

std::optional<AppSettings> SettingsManager::loadSettings() {
    const std::optional<QByteArray> blob = m_defaults.data(m_settingsKey);
    if (!blob) {
        return std::nullopt;
    }
    SettingsDocument::DecodeResult decoded = SettingsDocument::decode(*blob);
    if (!decoded.settings) {
        m_unreadableDocumentError = decoded.error.isEmpty() ? QStringLiteral("unreadable") : decoded.error;
    }
    return decoded.settings;
}

bool SettingsManager::keepUnreadableDocumentAside() {
    if (m_unreadableDocumentError.isEmpty()) {
        return true;
    }
    // A document that has vanished since has nothing left to protect.
    if (!QFileInfo::exists(m_defaults.pathForKey(m_settingsKey))) {
        m_unreadableDocumentError.clear();
        return true;
    }
    const QString stamp = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd'T'HHmmss.zzz'Z'"));
    const DefaultsStore::Result copy = m_defaults.copyAside(m_settingsKey, QStringLiteral("unreadable-") + stamp);
    if (!copy) {
        Diagnostics::print(QStringLiteral("❌ Failed to save settings: %1: the unreadable settings could not be kept "
                                          "aside as %2 (%3)")
                               .arg(m_defaults.pathForKey(m_settingsKey), copy.path, copy.error));
        return false;
    }
    Diagnostics::print(
        QStringLiteral("💾 Unreadable settings (%1) kept as %2").arg(m_unreadableDocumentError, copy.path));
    m_unreadableDocumentError.clear();
    return true;
}

void SettingsManager::saveSettings() {
    // A hand-edited document with one typo must never vanish: it is copied aside before its first replacement.
    if (!keepUnreadableDocumentAside()) {
        return;
    }
    const DefaultsStore::Result written = m_defaults.setData(m_settingsKey, SettingsDocument::encode(m_settings));
    if (!written) {
        Diagnostics::print(QStringLiteral("❌ Failed to save settings: %1: %2").arg(written.path, written.error));
        return;
    }
    Diagnostics::print(QStringLiteral("💾 Settings saved"));
}

SpaceConfig SettingsManager::getOrCreateConfig(SpaceID spaceID, qint64 index) {
    if (const auto existing = m_settings.spaces.find(spaceID); existing != m_settings.spaces.end()) {
        return existing->second;
    }
    bool restored = false;
    const SpaceConfig config = newConfig(spaceID, index, restored);
    modifySettings([&config](AppSettings& settings) { settings.spaces.insert_or_assign(config.id, config); });
    m_removedSpaces.save();
    reportNewConfig(config, restored);
    return config;
}

SpaceConfig SettingsManager::newConfig(SpaceID spaceID, qint64 index, bool& restored) {
    if (std::optional<SpaceConfig> kept = m_removedSpaces.take(spaceID)) {
        restored = true;
        return *kept;
    }
    restored = false;
    const QString name = LocalizedTexts::formatInteger(LocalizedTexts::localized(TextKeys::desktopLabel), index + 1);
    const qint64 paletteSize = qint64(defaultColors.size());
    const QString& color = defaultColors[static_cast<size_t>((index % paletteSize + paletteSize) % paletteSize)];
    return SpaceConfig{spaceID, name, color};
}

void SettingsManager::reportNewConfig(const SpaceConfig& config, bool restored) {
    const QString line = restored ? QStringLiteral("♻️ Restored config for Space ID %1: name='%2', color=%3")
                                  : QStringLiteral("✨ Created default config for Space ID %1: name='%2', color=%3");
    Diagnostics::print(line.arg(QString::number(config.id), config.name, config.color));
}

void SettingsManager::updateConfig(SpaceID spaceID, const std::optional<QString>& name,
                                   const std::optional<QString>& color) {
    const auto existing = m_settings.spaces.find(spaceID);
    if (existing == m_settings.spaces.end()) {
        return;
    }
    SpaceConfig config = existing->second;
    if (name) {
        config.name = *name;
    }
    if (color) {
        config.color = *color;
    }
    modifySettings([&](AppSettings& settings) { settings.spaces.insert_or_assign(spaceID, std::move(config)); });
}

void SettingsManager::cleanupDeletedSpaces(const QList<SpaceID>& existingSpaceIDs) {
    if (existingSpaceIDs.isEmpty()) {
        return;
    }
    const QSet<SpaceID> existing(existingSpaceIDs.begin(), existingSpaceIDs.end());
    QList<SpaceID> stale;
    for (const auto& [spaceID, config] : m_settings.spaces) {
        if (!existing.contains(spaceID)) {
            stale.append(spaceID);
        }
    }
    if (stale.isEmpty()) {
        return;
    }
    Diagnostics::print(QStringLiteral("🧹 Cleaning up configs for deleted Spaces..."));
    for (SpaceID spaceID : stale) {
        if (const auto entry = m_settings.spaces.find(spaceID); entry != m_settings.spaces.end()) {
            Diagnostics::print(QStringLiteral("   🗑️  Removing config: Space ID=%1, name='%2', color=%3")
                                   .arg(QString::number(spaceID), entry->second.name, entry->second.color));
            m_removedSpaces.keep({spaceID, entry->second.name, entry->second.color});
        }
        modifySettings([spaceID](AppSettings& settings) { settings.spaces.erase(spaceID); });
    }
    m_removedSpaces.save();
    Diagnostics::print(QStringLiteral("✅ Cleanup complete. Removed %1 config(s)").arg(stale.size()));
}

void SettingsManager::syncConfigs(const QList<SpaceID>& existingSpaceIDs) {
    cleanupDeletedSpaces(existingSpaceIDs);
    std::vector<std::pair<SpaceConfig, bool>> created; // with whether it was restored
    QSet<SpaceID> seen;
    for (qsizetype index = 0; index < existingSpaceIDs.size(); ++index) {
        const SpaceID spaceID = existingSpaceIDs[index];
        if (m_settings.spaces.contains(spaceID) || seen.contains(spaceID)) {
            continue;
        }
        seen.insert(spaceID);
        bool restored = false;
        SpaceConfig config = newConfig(spaceID, index, restored);
        created.emplace_back(std::move(config), restored);
    }
    if (created.empty()) {
        return;
    }
    modifySettings([&created](AppSettings& settings) {
        for (const auto& [config, restored] : created) {
            settings.spaces.insert_or_assign(config.id, config);
        }
    });
    m_removedSpaces.save();
    for (const auto& [config, restored] : created) {
        reportNewConfig(config, restored);
    }
}
