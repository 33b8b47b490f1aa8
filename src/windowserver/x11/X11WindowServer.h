// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "windowserver/WindowServerBackend.h"
#include "windowserver/x11/EwmhDesktops.h"

#include <QSocketNotifier>

#include <xcb/xcb_ewmh.h>

#include <memory>

// The desktops of an X11 window manager that keeps fixed, numbered desktops (openbox, xfwm4, fluxbox, ...), read
// from the root window's EWMH properties over a connection of its own, so that it works whatever Qt draws on. Root
// property changes wake it through the connection's descriptor; after taking every event that has arrived, it reads
// the properties again and announces one change if the count or the current desktop changed.
class X11WindowServer : public WindowServerBackend {
    Q_OBJECT

public:
    explicit X11WindowServer(QString displayName);
    ~X11WindowServer() override;

    QString open() override;
    void start() override;

    qint32 mainConnectionID() override { return 1; }
    std::optional<QList<qint64>> copySpaces(qint32 connectionID, qint32 mask) override;
    quint64 activeSpace(qint32 connectionID) override;
    // Writes the whole _NET_DESKTOP_NAMES list, as pagers do, with the one name replaced.
    void setDesktopName(SpaceID spaceID, const QString& name) override;
    // Asks the window manager with a _NET_CURRENT_DESKTOP client message.
    QString switchTo(SpaceID spaceID) override;

private:
    using EventSource = xcb_generic_event_t* (*)(xcb_connection_t*);

    void handleEvents();
    // Takes every event from the source; whether one of them changed the count or the current desktop.
    bool takeEvents(EventSource source);
    EwmhDesktops::Reading readDesktops();
    // The desktop that holds the Space, counted from 0; nothing when the window manager has no such desktop.
    std::optional<quint32> desktopOf(SpaceID spaceID) const;
    void apply(const EwmhDesktops::Reading& reading);

    const QString m_displayName;
    xcb_connection_t* m_connection = nullptr;
    xcb_ewmh_connection_t m_ewmh{};
    bool m_haveAtoms = false;
    int m_screen = 0;
    std::unique_ptr<QSocketNotifier> m_notifier;
    EwmhDesktops::Reading m_reading;
};
