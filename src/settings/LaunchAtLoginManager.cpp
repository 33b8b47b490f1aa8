// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "settings/LaunchAtLoginManager.h"

#include "settings/Autostart.h"
#include "core/Diagnostics.h"

LaunchAtLoginManager::LaunchAtLoginManager(Autostart& autostart)
    : m_autostart(autostart) {
    setEnabled(m_autostart.status() == Autostart::Status::Enabled);
}

LaunchAtLoginManager& LaunchAtLoginManager::shared() {
    // Never destroyed: it lives as long as the process.
    static auto* instance = new LaunchAtLoginManager(Autostart::standard());
    return *instance;
}

void LaunchAtLoginManager::setEnabled(bool enabled) {
    emit objectWillChange();
    m_isEnabled = enabled;
    setLaunchAtLogin(m_isEnabled);
}

void LaunchAtLoginManager::setLaunchAtLogin(bool enabled) {
    const bool registered = m_autostart.status() == Autostart::Status::Enabled;
    if (enabled && registered) {
        Diagnostics::print(QStringLiteral("✅ Launch at login already enabled"));
        return;
    }
    // A hidden entry may be how the user masks a system-wide one: it is left alone.
    if (!enabled && !registered) {
        return;
    }
    if (const QString error = enabled ? m_autostart.registerEntry() : m_autostart.unregisterEntry(); !error.isEmpty()) {
        Diagnostics::print(QStringLiteral("❌ Failed to set launch at login: ") + error);
        return;
    }
    Diagnostics::print(enabled ? QStringLiteral("✅ Launch at login enabled")
                               : QStringLiteral("🚫 Launch at login disabled"));
}
