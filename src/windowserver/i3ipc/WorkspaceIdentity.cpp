// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "windowserver/i3ipc/WorkspaceIdentity.h"

#include "core/HashedSpaceID.h"

#include <limits>

namespace WorkspaceIdentity {
namespace {

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
    return HashedSpaceID::fromKey(name.toUtf8());
}

SpaceID spaceIDForName(QStringView name) {
    return spaceID(leadingNumber(name), name);
}

} // namespace WorkspaceIdentity
