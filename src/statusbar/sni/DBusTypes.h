// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QDBusArgument>
#include <QDBusVariant>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>

// The structured D-Bus types of the status item (org.kde.StatusNotifierItem) and its menu (com.canonical.dbusmenu).

// One size of an icon, `(iiay)`: ARGB32 pixels in network byte order, row by row.
struct SniPixmap {
    int width = 0;
    int height = 0;
    QByteArray bytes;

    friend bool operator==(const SniPixmap&, const SniPixmap&) = default;
};

// `(sa(iiay)ss)`: icon name, icon pixmaps, title, description.
struct SniToolTip {
    QString iconName;
    QList<SniPixmap> iconPixmaps;
    QString title;
    QString description;
};

// A menu entry with its children, `(ia{sv}av)`; each child is a variant holding another DBusMenuLayout.
struct DBusMenuLayout {
    int id = 0;
    QVariantMap properties;
    QVariantList children;
};

// A menu entry's properties, `(ia{sv})`.
struct DBusMenuItem {
    int id = 0;
    QVariantMap properties;
};

// The names of properties an entry lost, `(ias)`.
struct DBusMenuItemKeys {
    int id = 0;
    QStringList propertyNames;
};

// One event of a group, `(isvu)`.
struct DBusMenuEvent {
    int id = 0;
    QString eventId;
    QDBusVariant data;
    uint timestamp = 0;
};

// A shortcut, `aas`: one list per key press, modifiers first ("Control", "q").
using DBusMenuShortcut = QList<QStringList>;

QDBusArgument& operator<<(QDBusArgument& argument, const SniPixmap& pixmap);
const QDBusArgument& operator>>(const QDBusArgument& argument, SniPixmap& pixmap);
QDBusArgument& operator<<(QDBusArgument& argument, const SniToolTip& toolTip);
const QDBusArgument& operator>>(const QDBusArgument& argument, SniToolTip& toolTip);
QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuLayout& layout);
const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuLayout& layout);
QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuItem& item);
const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuItem& item);
QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuItemKeys& keys);
const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuItemKeys& keys);
QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuEvent& event);
const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuEvent& event);

// Makes the types above known to QtDBus; safe to call any number of times.
void registerDBusTypes();

Q_DECLARE_METATYPE(SniPixmap)
Q_DECLARE_METATYPE(SniToolTip)
Q_DECLARE_METATYPE(DBusMenuLayout)
Q_DECLARE_METATYPE(DBusMenuItem)
Q_DECLARE_METATYPE(DBusMenuItemKeys)
Q_DECLARE_METATYPE(DBusMenuEvent)
