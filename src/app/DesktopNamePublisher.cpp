// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "app/DesktopNamePublisher.h"

#include "settings/NamesInWindowManager.h"
#include "settings/SettingsManager.h"
#include "windowserver/WindowServer.h"

DesktopNamePublisher::DesktopNamePublisher(WindowServer& windowServer, SettingsManager& settings,
                                           NamesInWindowManager& choice)
    : m_windowServer(windowServer)
    , m_settings(settings)
    , m_choice(choice) {
    publish(false);
    connect(&m_settings, &SettingsManager::settingsDidChange, this, [this] { publish(false); });
    connect(&m_choice, &NamesInWindowManager::enabledChanged, this, [this](bool enabled) {
        if (enabled) {
            publish(true);
        }
    });
}

void DesktopNamePublisher::publish(bool everyName) {
    const bool enabled = m_choice.isEnabled();
    for (const auto& [spaceID, config] : m_settings.settings().spaces) {
        // A Space seen for the first time has the name the window manager gave it, or a default.
        const auto seen = m_seen.constFind(spaceID);
        const bool renamed = seen != m_seen.cend() && *seen != config.name;
        m_seen.insert(spaceID, config.name);
        if (enabled && (renamed || everyName)) {
            m_windowServer.setDesktopName(spaceID, config.name);
        }
    }
}
