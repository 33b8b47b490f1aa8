// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "core/HashedSpaceID.h"

namespace HashedSpaceID {

SpaceID fromKey(QByteArrayView key) {
    quint64 hash = 0xcbf29ce484222325ull;
    for (const char byte : key) {
        hash ^= static_cast<unsigned char>(byte);
        hash *= 0x100000001b3ull;
    }
    constexpr quint64 count = (quint64(1) << 63) - quint64(first);
    return static_cast<SpaceID>(quint64(first) + hash % count);
}

} // namespace HashedSpaceID
