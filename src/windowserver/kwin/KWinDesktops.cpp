// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "windowserver/kwin/KWinDesktops.h"

#include "core/HashedSpaceID.h"

#include <QDBusArgument>
#include <QUuid>

#include <algorithm>

namespace KWinDesktops {

std::optional<QList<Desktop>> decode(const QVariant& value) {
    if (!value.canConvert<QDBusArgument>()) {
        return std::nullopt;
    }
    const QDBusArgument argument = value.value<QDBusArgument>();
    const QString signature = argument.currentSignature();
    const bool unsignedPosition = signature == QLatin1String("a(uss)");
    if (!unsignedPosition && signature != QLatin1String("a(iss)")) {
        return std::nullopt;
    }
    QList<Desktop> desktops;
    argument.beginArray();
    while (!argument.atEnd()) {
        Desktop desktop;
        argument.beginStructure();
        if (unsignedPosition) {
            argument >> desktop.position;
        } else {
            qint32 position = 0;
            argument >> position;
            desktop.position = quint32(std::max(position, 0));
        }
        argument >> desktop.id >> desktop.name;
        argument.endStructure();
        desktops.append(desktop);
    }
    argument.endArray();
    std::stable_sort(desktops.begin(), desktops.end(),
                     [](const Desktop& a, const Desktop& b) { return a.position < b.position; });
    return desktops;
}

SpaceID spaceIDOf(const QString& id) {
    const QUuid uuid(id);
    return HashedSpaceID::fromKey(uuid.isNull() ? id.toUtf8() : uuid.toRfc4122());
}

QList<qint64> spaceIDs(const Reading& reading) {
    QList<Desktop> desktops = reading.desktops;
    std::stable_sort(desktops.begin(), desktops.end(),
                     [](const Desktop& a, const Desktop& b) { return a.position < b.position; });
    QList<qint64> spaces;
    spaces.reserve(desktops.size());
    for (const Desktop& desktop : desktops) {
        spaces.append(spaceIDOf(desktop.id));
    }
    return spaces;
}

quint64 activeSpace(const Reading& reading) {
    const auto current = std::find_if(reading.desktops.begin(), reading.desktops.end(),
                                      [&](const Desktop& desktop) { return desktop.id == reading.current; });
    if (current != reading.desktops.end()) {
        return quint64(spaceIDOf(current->id));
    }
    return reading.desktops.isEmpty() ? 0 : quint64(spaceIDOf(reading.desktops.constFirst().id));
}

const Desktop* desktopOf(const Reading& reading, SpaceID spaceID) {
    const auto found = std::find_if(reading.desktops.begin(), reading.desktops.end(),
                                    [&](const Desktop& desktop) { return spaceIDOf(desktop.id) == spaceID; });
    return found == reading.desktops.end() ? nullptr : &*found;
}

} // namespace KWinDesktops
