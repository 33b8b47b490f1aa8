// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

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

    // The window server of this run. The program installs it before the first use and keeps it alive until the
    // event loop has ended.
    static WindowServer& shared();
    static void setShared(WindowServer* windowServer);

signals:
    // The active desktop or the list of desktops changed; the calls above tell what they are now.
    void activeSpaceDidChange();
};
