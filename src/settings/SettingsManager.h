// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "settings/RemovedSpaces.h"
#include "settings/SettingsModel.h"

#include <QList>
#include <QObject>

#include <functional>

class DefaultsStore;

// The single owner of the settings: loads them once, saves the whole document after every change and announces
// each change with settingsDidChange.
class SettingsManager : public QObject {
    Q_OBJECT

public:
    // The palette that new Spaces take their colour from, by position.
    static inline const std::array<QString, 8> defaultColors{
        QStringLiteral("#FF6B6B"), QStringLiteral("#6BA3FF"), QStringLiteral("#6BCF7F"), QStringLiteral("#FFA06B"),
        QStringLiteral("#B76BFF"), QStringLiteral("#FFD93D"), QStringLiteral("#FF6BD9"), QStringLiteral("#A0A0A0")};

    explicit SettingsManager(DefaultsStore& defaults);

    // The instance of the run, on the standard store, created on first use.
    static SettingsManager& shared();

    const AppSettings& settings() const { return m_settings; }
    // Every assignment announces, stores, saves and signals the change, whether or not anything changed.
    void setSettings(AppSettings settings);
    // The same for a change made in place (one entry set or removed), without copying every other entry.
    void modifySettings(const std::function<void(AppSettings&)>& change);

    void saveSettings();
    SpaceConfig getOrCreateConfig(SpaceID spaceID, qint64 index);
    void updateConfig(SpaceID spaceID, const std::optional<QString>& name, const std::optional<QString>& color);
    // An empty list removes nothing: a window manager that briefly reports no desktops must not wipe every name.
    // What is removed is kept aside (RemovedSpaces), and a Space that comes back gets it back instead of a default.
    void cleanupDeletedSpaces(const QList<SpaceID>& existingSpaceIDs);
    // Cleans up, then makes sure every listed Space has a configuration, numbered by its position in the list. The
    // new configurations are stored with one assignment, so that thousands of new Spaces cost one save, not one each.
    void syncConfigs(const QList<SpaceID>& existingSpaceIDs);

signals:
    void objectWillChange();
    // After every assignment, once saved: every receiver has run when the assignment returns.
    void settingsDidChange(const AppSettings& settings);

private:
    std::optional<AppSettings> loadSettings();
    // The configuration a Space without one gets: its own from before it went away, or a default.
    SpaceConfig newConfig(SpaceID spaceID, qint64 index, bool& restored);
    static void reportNewConfig(const SpaceConfig& config, bool restored);
    bool keepUnreadableDocumentAside();

    const QString m_settingsKey = QStringLiteral("app_settings");
    DefaultsStore& m_defaults;
    AppSettings m_settings;
    RemovedSpaces m_removedSpaces;
    // Why the stored document could not be read; empty once it has been kept aside (or when there was none).
    QString m_unreadableDocumentError;
};
