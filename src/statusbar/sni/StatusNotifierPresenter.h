// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "statusbar/RecentCache.h"
#include "statusbar/sni/DBusTypes.h"
#include "statusbar/StatusItem.h"

#include <QDBusConnection>
#include <QObject>
#include <QPoint>

class DBusMenuExporter;

// Shows a status item through a StatusNotifierItem of our own on the session bus: the panel gets the whole
// label (the name on its rounded coloured label) as the icon, the name as title, tool tip and label, and the item's
// menu over com.canonical.dbusmenu. Clicks the panel reports reach the button.
class StatusNotifierPresenter : public QObject {
    Q_OBJECT

public:
    static inline const QString watcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
    static inline const QString watcherPath = QStringLiteral("/StatusNotifierWatcher");
    static inline const QString itemPath = QStringLiteral("/StatusNotifierItem");

    // Publishes the item on `connection` and registers it with the watcher there. The item must have a button.
    StatusNotifierPresenter(StatusItem& item, QDBusConnection connection, QObject* parent = nullptr);
    ~StatusNotifierPresenter() override;

    // "org.kde.StatusNotifierItem-<pid>-1".
    static QString serviceName();
    // Asks the watcher to show the item; the answer is reported in a line.
    void registerWithWatcher();

    // What the item publishes.
    const QString& title() const { return m_title; }
    // The label at its intrinsic size and at twice that, ARGB32 in network byte order.
    const QList<SniPixmap>& iconPixmaps() const { return m_iconPixmaps; }

    // A click the panel reports, at a position on the screen. It reaches the button on a later turn of the event
    // loop, so that the panel's call is answered before a menu opens.
    void click(StatusBarButton::ClickEvent event, QPoint position);

signals:
    void iconChanged();
    void titleChanged();

private:
    void present(const StatusLabel& label);
    void popUpMenu();

    StatusItem& m_item;
    StatusBarButton& m_button;
    QDBusConnection m_connection;
    DBusMenuExporter* m_menuExporter;
    bool m_published = false;
    QString m_title;
    QList<SniPixmap> m_iconPixmaps;
    // By name and colour, which decide the label's picture.
    RecentCache<std::pair<QString, QString>, QList<SniPixmap>> m_pictures;
    QPoint m_clickPosition;
};
