// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "core/SpaceID.h"

#include <QHash>
#include <QList>
#include <QObject>

#include <optional>

// What the program needs to know from the window manager: its desktops ("Spaces") and the active one. One
// implementation per kind of desktop.
class WindowServer : public QObject {
    Q_OBJECT

public:
    // The mask that asks for every Space.
    static constexpr qint32 allSpacesMask = 7;

    virtual ~WindowServer() = default;

    // An identifier that stays valid for the life of the process.
    virtual qint32 mainConnectionID() = 0;
    // Every Space's identifier in the window server's own order; nothing when the list can't be had.
    virtual std::optional<QList<qint64>> copySpaces(qint32 connectionID, qint32 mask) = 0;
    // The active Space's identifier as the window server gives it.
    virtual quint64 activeSpace(qint32 connectionID) = 0;

    // The name the user gave the Space in the window manager; empty when it holds none or only a generic one.
    virtual QString desktopName(SpaceID) const { return {}; }
    // Tells the window manager the Space's name, so that its pagers and switchers show it.
    virtual void setDesktopName(SpaceID, const QString&) {}
    // Whether the window manager's key bindings find desktops by name, so that a new name can break them.
    virtual bool bindsByName() const { return false; }
    // Whether copySpaces lists the Spaces in the order the user sees them, for window managers whose identities
    // say nothing of a desktop's place; otherwise Spaces go in the order of their identities.
    virtual bool listsSpacesInOrder() const { return false; }
    // Where Spaces are shown, for window managers that give every monitor a desktop of its own.
    struct Placement {
        QHash<SpaceID, QString> outputOfSpace;   // the monitor each existing Space is on
        QHash<QString, SpaceID> visibleOnOutput; // the Space each monitor shows
        bool operator==(const Placement&) const = default;
    };
    // Empty for window managers whose desktops span every monitor.
    virtual Placement placement() { return {}; }
    // Asks the window manager to show the Space; the reason when it cannot. The switch itself is announced as every
    // change is, once the window manager has made it.
    virtual QString switchTo(SpaceID) { return QStringLiteral("this window server cannot switch desktops"); }

    // The window server of this run. The program installs it before the first use and keeps it alive until the
    // event loop has ended.
    static WindowServer& shared();
    static void setShared(WindowServer* windowServer);

signals:
    // The active desktop or the list of desktops changed; the calls above tell what they are now.
    void activeSpaceDidChange();
};
