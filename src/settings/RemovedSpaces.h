// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "settings/SettingsModel.h"

#include <QList>

class DefaultsStore;

// The configurations of Spaces that went away, kept in a document of their own so that a desktop that comes back
// (a window manager restarting, dynamic workspaces shrinking for a moment) gets its name and colour back. Only the
// most recent ones are kept; an unreadable document starts the list afresh.
class RemovedSpaces {
public:
    static constexpr qsizetype mostKept = 500;

    explicit RemovedSpaces(DefaultsStore& defaults);

    // Remembers a configuration, replacing an older one of the same Space. Written by save().
    void keep(const SpaceConfig& config);
    // The kept configuration of a Space, which is forgotten here. Written by save().
    std::optional<SpaceConfig> take(SpaceID spaceID);
    // Writes the document when anything changed since the last write.
    void save();

private:
    const QString m_key = QStringLiteral("removed_spaces");
    DefaultsStore& m_defaults;
    QList<SpaceConfig> m_configs; // oldest first
    bool m_changed = false;
};
