// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "marking/MarkDesktopsViewModel.h"

#include "core/Diagnostics.h"
#include "settings/LaunchAtLoginManager.h"
#include "settings/SettingsManager.h"
#include "spaces/SpaceManager.h"

MarkDesktopsViewModel::Services MarkDesktopsViewModel::Services::shared() {
    return {SpaceManager::shared(), SettingsManager::shared(), &LaunchAtLoginManager::shared};
}

MarkDesktopsViewModel::MarkDesktopsViewModel(Services services, QObject* parent)
    : QObject(parent)
    , m_services(std::move(services)) {
    loadData();
}

MarkDesktopsViewModel::~MarkDesktopsViewModel() {
    Diagnostics::print(QStringLiteral("🗑️ MarkDesktopsViewModel deallocated"));
}

void MarkDesktopsViewModel::setAllSpaceIDs(QList<SpaceID> spaceIDs) {
    emit objectWillChange();
    m_allSpaceIDs = std::move(spaceIDs);
}

void MarkDesktopsViewModel::setCurrentSpaceID(SpaceID spaceID) {
    emit objectWillChange();
    m_currentSpaceID = spaceID;
}

void MarkDesktopsViewModel::setNamesInWindowManager(bool enabled) {
    emit objectWillChange();
    m_services.namesInWindowManager().setEnabled(enabled);
}

void MarkDesktopsViewModel::setLaunchAtLogin(bool enabled) {
    emit objectWillChange();
    m_launchAtLogin = enabled;
}

void MarkDesktopsViewModel::setSpaceConfigs(std::map<SpaceID, SpaceConfig> configs) {
    emit objectWillChange();
    m_spaceConfigs = std::move(configs);
}

void MarkDesktopsViewModel::setSpaceConfig(SpaceID spaceID, const SpaceConfig& config) {
    emit objectWillChange();
    m_spaceConfigs.insert_or_assign(spaceID, config);
}

void MarkDesktopsViewModel::loadData() {
    SpaceManager& spaceManager = m_services.spaceManager;
    SettingsManager& settingsManager = m_services.settingsManager;
    Diagnostics::print(QStringLiteral("🔄 ViewModel loadData called"));
    Diagnostics::print(QStringLiteral("   Before refresh: currentSpaceID=%1").arg(spaceManager.currentSpaceID()));
    spaceManager.refreshSpaces();
    Diagnostics::print(QStringLiteral("   After refresh: currentSpaceID=%1").arg(spaceManager.currentSpaceID()));

    setAllSpaceIDs(spaceManager.allSpaceIDs());
    setCurrentSpaceID(spaceManager.currentSpaceID());
    setLaunchAtLogin(m_services.launchAtLoginManager().isEnabled());
    Diagnostics::print(QStringLiteral("📊 ViewModel loaded:"));
    Diagnostics::print(QStringLiteral("   allSpaceIDs=%1").arg(Diagnostics::formatList(m_allSpaceIDs)));
    Diagnostics::print(QStringLiteral("   currentSpaceID=%1").arg(m_currentSpaceID));

    settingsManager.syncConfigs(m_allSpaceIDs);
    setSpaceConfigs({});
    for (qsizetype position = 0; position < m_allSpaceIDs.size(); ++position) {
        const SpaceID spaceID = m_allSpaceIDs[position];
        setSpaceConfig(spaceID, settingsManager.getOrCreateConfig(spaceID, position));
        const bool isCurrent = spaceID == m_currentSpaceID;
        Diagnostics::print(QStringLiteral("   Space #%1: ID=%2, isCurrent=%3 %4")
                               .arg(QString::number(position + 1), QString::number(spaceID),
                                    isCurrent ? QStringLiteral("true") : QStringLiteral("false"),
                                    isCurrent ? QStringLiteral("✅ CURRENT") : QString()));
    }
    Diagnostics::print(QStringLiteral("✅ Loaded %1 spaces, current Space ID: %2")
                           .arg(QString::number(m_allSpaceIDs.size()), QString::number(m_currentSpaceID)));
}

void MarkDesktopsViewModel::updateName(SpaceID spaceID, const QString& name) {
    m_services.settingsManager.updateConfig(spaceID, name, std::nullopt);
    if (const auto entry = m_spaceConfigs.find(spaceID); entry != m_spaceConfigs.end()) {
        setSpaceConfig(spaceID, {entry->second.id, name, entry->second.color});
    }
}

void MarkDesktopsViewModel::updateColor(SpaceID spaceID, const QString& color) {
    m_services.settingsManager.updateConfig(spaceID, std::nullopt, color);
    if (const auto entry = m_spaceConfigs.find(spaceID); entry != m_spaceConfigs.end()) {
        setSpaceConfig(spaceID, {entry->second.id, entry->second.name, color});
    }
}

void MarkDesktopsViewModel::toggleLaunchAtLogin(bool enabled) {
    m_services.launchAtLoginManager().setEnabled(enabled);
    setLaunchAtLogin(enabled);
}
