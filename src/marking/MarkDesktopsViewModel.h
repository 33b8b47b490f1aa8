// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "settings/NamesInWindowManager.h"
#include "settings/SettingsModel.h"

#include <QList>
#include <QObject>

#include <functional>
#include <map>

class LaunchAtLoginManager;
class SettingsManager;
class SpaceManager;

// The data the marking window shows: every Space with its configuration, the active one, and the launch-at-login
// switch. A snapshot: it changes only through its own operations (and the switch's direct write), never by
// listening to the managers.
class MarkDesktopsViewModel : public QObject {
    Q_OBJECT

public:
    // Where the view model gets its data; tests hand in their own.
    struct Services {
        SpaceManager& spaceManager;
        SettingsManager& settingsManager;
        // Asked for only when needed: its first use reads the registration.
        std::function<LaunchAtLoginManager&()> launchAtLoginManager;
        std::function<NamesInWindowManager&()> namesInWindowManager = &NamesInWindowManager::shared;

        static Services shared();
    };

    // Loads the data once.
    explicit MarkDesktopsViewModel(Services services = Services::shared(), QObject* parent = nullptr);
    ~MarkDesktopsViewModel() override;

    const QList<SpaceID>& allSpaceIDs() const { return m_allSpaceIDs; }
    const std::map<SpaceID, SpaceConfig>& spaceConfigs() const { return m_spaceConfigs; }
    bool launchAtLogin() const { return m_launchAtLogin; }
    bool namesInWindowManager() const { return m_services.namesInWindowManager().isEnabled(); }
    // Stores the choice at once and announces it.
    void setNamesInWindowManager(bool enabled);
    SpaceID currentSpaceID() const { return m_currentSpaceID; }

    // The switch writes its new state here directly, then calls toggleLaunchAtLogin.
    void setLaunchAtLogin(bool enabled);

    void loadData();
    void updateName(SpaceID spaceID, const QString& name);
    void updateColor(SpaceID spaceID, const QString& color);
    void toggleLaunchAtLogin(bool enabled);

signals:
    // Sent before every assignment of a published value, whether or not it differs.
    void objectWillChange();

private:
    void setAllSpaceIDs(QList<SpaceID> spaceIDs);
    void setCurrentSpaceID(SpaceID spaceID);
    void setSpaceConfigs(std::map<SpaceID, SpaceConfig> configs);
    void setSpaceConfig(SpaceID spaceID, const SpaceConfig& config);

    QList<SpaceID> m_allSpaceIDs;
    std::map<SpaceID, SpaceConfig> m_spaceConfigs;
    bool m_launchAtLogin = false;
    SpaceID m_currentSpaceID = 0;
    Services m_services;
};
