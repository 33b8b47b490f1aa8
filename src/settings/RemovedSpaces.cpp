// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "settings/RemovedSpaces.h"

#include "core/Diagnostics.h"
#include "settings/DefaultsStore.h"
#include "settings/SettingsDocument.h"

#include <algorithm>

RemovedSpaces::RemovedSpaces(DefaultsStore& defaults)
    : m_defaults(defaults) {
    if (const std::optional<QByteArray> blob = m_defaults.data(m_key)) {
        m_configs = SettingsDocument::decodeList(*blob).value_or(QList<SpaceConfig>());
    }
}

void RemovedSpaces::keep(const SpaceConfig& config) {
    take(config.id);
    m_configs.append(config);
    if (m_configs.size() > mostKept) {
        m_configs.remove(0, m_configs.size() - mostKept);
    }
    m_changed = true;
}

std::optional<SpaceConfig> RemovedSpaces::take(SpaceID spaceID) {
    const auto found =
        std::find_if(m_configs.begin(), m_configs.end(), [spaceID](const SpaceConfig& c) { return c.id == spaceID; });
    if (found == m_configs.end()) {
        return std::nullopt;
    }
    SpaceConfig config = *found;
    m_configs.erase(found);
    m_changed = true;
    return config;
}

void RemovedSpaces::save() {
    if (!std::exchange(m_changed, false)) {
        return;
    }
    if (const DefaultsStore::Result written = m_defaults.setData(m_key, SettingsDocument::encodeList(m_configs));
        !written) {
        Diagnostics::print(QStringLiteral("❌ Failed to save removed configs: %1: %2").arg(written.path, written.error));
    }
}
