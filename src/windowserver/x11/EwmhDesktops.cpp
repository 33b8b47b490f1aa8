// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "windowserver/x11/EwmhDesktops.h"

namespace EwmhDesktops {

SpaceID spaceIDOfDesktop(quint32 desktop) {
    return SpaceID(desktop) + 1;
}

quint32 desktopOfSpaceID(SpaceID spaceID) {
    return quint32(spaceID - 1);
}

std::optional<QList<qint64>> spaceIDs(const Reading& reading) {
    if (!problem(reading).isEmpty()) {
        return std::nullopt;
    }
    QList<qint64> spaces;
    spaces.reserve(*reading.count);
    for (quint32 desktop = 0; desktop < *reading.count; ++desktop) {
        spaces.append(spaceIDOfDesktop(desktop));
    }
    return spaces;
}

quint64 activeSpace(const Reading& reading) {
    if (reading.current) {
        return quint64(spaceIDOfDesktop(*reading.current));
    }
    // GNOME sets no current desktop until the first switch; EWMH says a missing one is the first.
    return reading.count.value_or(0) > 0 ? quint64(spaceIDOfDesktop(0)) : 0;
}

QString problem(const Reading& reading) {
    if (!reading.count) {
        return QStringLiteral("the window manager sets no _NET_NUMBER_OF_DESKTOPS on the root window");
    }
    if (*reading.count > mostDesktops) {
        return QStringLiteral("_NET_NUMBER_OF_DESKTOPS is %1, more than %2 desktops")
            .arg(*reading.count)
            .arg(mostDesktops);
    }
    return {};
}

} // namespace EwmhDesktops
