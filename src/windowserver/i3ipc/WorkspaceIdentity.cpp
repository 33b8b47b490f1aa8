// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "windowserver/i3ipc/WorkspaceIdentity.h"

#include <QByteArray>

#include <limits>

namespace WorkspaceIdentity {
namespace {

// FNV-1a: fixed, so that a name hashes to the same SpaceID in every run and every build.
quint64 hashOfName(QStringView name) {
    quint64 hash = 0xcbf29ce484222325ull;
    for (const char byte : name.toUtf8()) {
        hash ^= static_cast<unsigned char>(byte);
        hash *= 0x100000001b3ull;
    }
    return hash;
}

// i3 and sway number a workspace by its leading decimal digits, up to the largest 32-bit value.
qint64 leadingNumber(QStringView name) {
    qint64 number = -1;
    for (const QChar c : name) {
        if (c < u'0' || c > u'9') {
            break;
        }
        number = std::max<qint64>(number, 0) * 10 + (c.unicode() - u'0');
        if (number > std::numeric_limits<qint32>::max()) {
            return -1;
        }
    }
    return number;
}

} // namespace

SpaceID spaceID(qint64 number, QStringView name) {
    if (number >= 0 && number <= std::numeric_limits<qint32>::max()) {
        return number;
    }
    // Above every workspace number, so that named workspaces rank after numbered ones.
    constexpr quint64 firstNamed = quint64(1) << 32;
    constexpr quint64 namedCount = (quint64(1) << 63) - firstNamed;
    return static_cast<SpaceID>(firstNamed + hashOfName(name) % namedCount);
}

SpaceID spaceIDForName(QStringView name) {
    return spaceID(leadingNumber(name), name);
}

} // namespace WorkspaceIdentity
