// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QDBusConnection>
#include <QObject>

#include <memory>
#include <optional>

class StatusItem;

// Chooses who shows a status item, and switches when the session changes: while a StatusNotifierWatcher is on the
// session bus, our StatusNotifierItem (StatusNotifierPresenter) alone; while there is none, the XEmbed system tray
// (TrayPresenter) on X11, or nothing elsewhere (offscreen, Wayland). A watcher that appears, goes away or is replaced
// (a panel restarting) moves the item by itself.
class PresenterChooser : public QObject {
    Q_OBJECT

public:
    // `sessionBus`: the bus to watch; none when no session bus can be reached. The item must have a button.
    PresenterChooser(StatusItem& item, std::optional<QDBusConnection> sessionBus, QObject* parent = nullptr);
    ~PresenterChooser() override;

    // The session bus, if one can be reached without starting one: DBUS_SESSION_BUS_ADDRESS names it or
    // $XDG_RUNTIME_DIR/bus is a socket. Otherwise libdbus would try to start a bus through the X display.
    static std::optional<QDBusConnection> reachableSessionBus();

    // The presenter showing the item now, null offscreen without a watcher.
    QObject* presenter() const { return m_presenter.get(); }

private:
    void watcherOwnerChanged(const QString& newOwner);
    void showThroughWatcher();
    void showInTray();

    StatusItem& m_item;
    std::optional<QDBusConnection> m_sessionBus;
    std::unique_ptr<QObject> m_presenter;
};
