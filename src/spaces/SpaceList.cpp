// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "spaces/SpaceList.h"

#include "core/Diagnostics.h"
#include "windowserver/WindowServer.h"

#include <algorithm>
#include <bit>

namespace SpaceList {

std::optional<QList<qint64>> getAllSpaceIDs(WindowServer& windowServer, qint32 connectionID) {
    std::optional<QList<qint64>> spaces = windowServer.copySpaces(connectionID, WindowServer::allSpacesMask);
    if (spaces) {
        Diagnostics::systemLog(QStringLiteral("✅ CGSCopySpaces returned %1 spaces").arg(spaces->size()));
    } else {
        Diagnostics::systemLog(QStringLiteral("❌ CGSCopySpaces returned NULL"));
    }
    return spaces;
}

Converted convert(const QList<qint64>& raw, bool listedInOrder) {
    Converted converted{raw, raw};
    if (!listedInOrder) {
        std::sort(converted.sorted.begin(), converted.sorted.end());
    }
    return converted;
}

SpaceID spaceIDFromActiveValue(quint64 value) {
    return std::bit_cast<SpaceID>(value);
}

} // namespace SpaceList
