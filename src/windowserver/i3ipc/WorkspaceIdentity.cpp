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

bool isNumbered(SpaceID spaceID) {
    return spaceID >= 0 && spaceID <= std::numeric_limits<qint32>::max();
}

// A string argument of an i3 command.
QByteArray quoted(QStringView text) {
    QString escaped = text.toString();
    escaped.replace(u'\\', QLatin1String("\\\\")).replace(u'"', QLatin1String("\\\""));
    return '"' + escaped.toUtf8() + '"';
}

} // namespace

SpaceID spaceID(qint64 number, QStringView name) {
    if (isNumbered(number)) {
        return number;
    }
    return HashedSpaceID::fromKey(name.toUtf8());
}

SpaceID spaceIDForName(QStringView name) {
    return spaceID(leadingNumber(name), name);
}

QString givenName(QStringView name) {
    if (leadingNumber(name) < 0) {
        return name.toString();
    }
    QStringView rest = name;
    while (!rest.isEmpty() && rest.front() >= u'0' && rest.front() <= u'9') {
        rest = rest.mid(1);
    }
    rest = rest.trimmed();
    return (rest.startsWith(u':') ? rest.mid(1) : rest).trimmed().toString();
}

QByteArray switchCommand(SpaceID spaceID, QStringView name) {
    if (isNumbered(spaceID)) {
        return "workspace number " + QByteArray::number(spaceID);
    }
    return name.isEmpty() ? QByteArray() : "workspace " + quoted(name);
}

QByteArray renameCommand(SpaceID spaceID, QStringView currentName, QStringView newName) {
    if (!isNumbered(spaceID)) {
        return {}; // its name is its identity
    }
    const QString wanted =
        newName.isEmpty() ? QString::number(spaceID) : QStringLiteral("%1: %2").arg(spaceID).arg(newName);
    return "rename workspace " + quoted(currentName) + " to " + quoted(wanted);
}

} // namespace WorkspaceIdentity
