// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QHash>

// What was worked out last (pictures, text sizes), by what it is for, so that a label shown again (every desktop
// switch shows one that was shown before) is not drawn or measured again. It holds a handful: when full, it starts
// over.
template <typename Key, typename Value>
class RecentCache {
public:
    static constexpr qsizetype capacity = 32;

    // The value for `key`, made by `make` only when none is kept.
    template <typename Make>
    const Value& value(const Key& key, Make&& make) {
        auto kept = m_values.constFind(key);
        if (kept == m_values.cend()) {
            if (m_values.size() >= capacity) {
                m_values.clear();
            }
            kept = m_values.insert(key, make());
        }
        return *kept;
    }

private:
    QHash<Key, Value> m_values;
};
