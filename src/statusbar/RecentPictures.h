// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QHash>

// The pictures drawn last, by what they show, so that a label shown again (every desktop switch shows one that was
// shown before) is not drawn again. It holds a handful: when full, it starts over.
template <typename Key, typename Picture>
class RecentPictures {
public:
    static constexpr qsizetype capacity = 32;

    // The picture of `key`, drawn by `draw` only when none is kept.
    template <typename Draw>
    const Picture& picture(const Key& key, Draw&& draw) {
        auto kept = m_pictures.constFind(key);
        if (kept == m_pictures.cend()) {
            if (m_pictures.size() >= capacity) {
                m_pictures.clear();
            }
            kept = m_pictures.insert(key, draw());
        }
        return *kept;
    }

private:
    QHash<Key, Picture> m_pictures;
};
