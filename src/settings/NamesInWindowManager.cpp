// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "settings/NamesInWindowManager.h"

#include "core/Diagnostics.h"
#include "settings/DefaultsStore.h"

NamesInWindowManager::NamesInWindowManager(DefaultsStore& store)
    : m_store(store) {}

NamesInWindowManager& NamesInWindowManager::shared() {
    static NamesInWindowManager instance(DefaultsStore::standard());
    return instance;
}

bool NamesInWindowManager::isEnabled() const {
    const QByteArray stored = m_store.data(key).value_or(QByteArray()).trimmed();
    return stored == "true" || (stored != "false" && m_default);
}

void NamesInWindowManager::setEnabled(bool enabled) {
    if (enabled == isEnabled()) {
        return;
    }
    if (const DefaultsStore::Result written = m_store.setData(key, enabled ? "true\n" : "false\n"); !written) {
        Diagnostics::print(QStringLiteral("❌ Failed to save settings: %1: %2").arg(written.path, written.error));
    }
    emit enabledChanged(enabled);
}
