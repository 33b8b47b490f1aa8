// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "windowserver/SpaceLimit.h"
#include "windowserver/WindowServerBackend.h"
#include "windowserver/kwin/KWinDesktops.h"

#include <QDBusConnection>
#include <QDBusServiceWatcher>

// KWin's virtual desktops through its D-Bus interface, the same on X11 and on Wayland. Every change signal KWin sends
// leads to one fresh reading of its properties (signals that come while one is under way lead to one more); the
// change is announced when the list or the current desktop changed. When KWin leaves the bus, one line says so
// and the last reading stays until it is back.
class KWinWindowServer : public WindowServerBackend {
    Q_OBJECT

public:
    static inline const QString service = QStringLiteral("org.kde.KWin");

    // `busAddress` is the session bus's (DBUS_SESSION_BUS_ADDRESS).
    explicit KWinWindowServer(const QString& busAddress);
    ~KWinWindowServer() override;

    QString open() override;

    qint32 mainConnectionID() override { return 1; }
    std::optional<QList<qint64>> copySpaces(qint32 connectionID, qint32 mask) override;
    quint64 activeSpace(qint32 connectionID) override;
    QString desktopName(SpaceID spaceID) const override;
    void setDesktopName(SpaceID spaceID, const QString& name) override;
    // Sets the manager's "current" property; the change it then announces reports the switch.
    bool listsSpacesInOrder() const override { return true; }
    QString switchTo(SpaceID spaceID) override;

private slots:
    void desktopsChanged();

private:
    // The reading, or why there is none.
    std::optional<KWinDesktops::Reading> read(const QVariantMap& properties, QString* problem) const;
    void apply(const KWinDesktops::Reading& reading);
    void callManager(const QString& method, const QVariantList& arguments);

    QDBusConnection m_bus;
    SpaceLimit m_limit{QStringLiteral("KWin")};
    QDBusServiceWatcher m_watcher;
    KWinDesktops::Reading m_reading;
    bool m_readingUnderWay = false;
    bool m_readAgain = false;
};
