// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "statusbar/RecentCache.h"
#include "statusbar/sni/DBusTypes.h"
#include "statusbar/StatusItem.h"
#include "statusbar/TrayStyle.h"

#include <QDBusConnection>
#include <QObject>
#include <QPoint>

#include <optional>

class DBusMenuExporter;
class StatusNotifierHost;
class StatusNotifierRegistration;

// Shows a status item's button through a StatusNotifierItem of our own on the session bus, drawn for the panel that
// hosts it (see TrayStyle): the whole label, or a tile with the desktop's number, as the icon; the name as title and
// tool tip, and as the text label where the panel draws one beside the icon; the item's menu over
// com.canonical.dbusmenu. Clicks the panel reports reach the button.
class StatusNotifierPresenter : public QObject {
    Q_OBJECT

public:
    static inline const QString watcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
    static inline const QString watcherPath = QStringLiteral("/StatusNotifierWatcher");
    static inline const QString itemPath = QStringLiteral("/StatusNotifierItem");

    // Publishes the item on `connection`, drawn for the program that hosts the watcher there, and registers it with
    // the watcher. The item must have a button. A new watcher needs a new presenter.
    StatusNotifierPresenter(StatusItem& item, QDBusConnection connection, QObject* parent = nullptr);
    ~StatusNotifierPresenter() override;

    // "org.kde.StatusNotifierItem-<pid>-1".
    static QString serviceName();
    // Whether the watcher lists the item.
    bool isShown() const;

    // What the item publishes.
    const QString& title() const { return m_title; }
    // The text drawn beside the icon: the name, or nothing where the icon carries it or the panel would draw the
    // text instead of the icon.
    const QString& label() const { return m_label; }
    // The label at its intrinsic size and at twice that, or the tile at every size panels draw; ARGB32 in network
    // byte order.
    const QList<SniPixmap>& iconPixmaps() const { return m_iconPixmaps; }
    // How the item is drawn: the user's choice, else what suits the host.
    TrayStyle style() const { return m_style; }

    // Where a click's menu opens: where the panel says the click was, unless the pointer is far from there (MATE
    // reports (0, 25) wherever the item is), then at the pointer.
    static QPoint menuPosition(QPoint reported, std::optional<QPoint> pointer);

    // A click the panel reports, at a position on the screen. It reaches the button on a later turn of the event
    // loop, so that the panel's call is answered before a menu opens.
    void click(StatusBarButton::ClickEvent event, QPoint position);

signals:
    void iconChanged();
    void titleChanged();
    void labelChanged();

private:
    void present(const StatusLabel& label);
    void popUpMenu();
    void hostFound();

    StatusItem& m_item;
    StatusBarButton& m_button;
    QDBusConnection m_connection;
    DBusMenuExporter* m_menuExporter;
    StatusNotifierHost* m_host;
    StatusNotifierRegistration* m_registration;
    bool m_published = false;
    TrayStyle m_style = TrayStyle::TileAndText;
    QString m_title;
    QString m_label;
    QList<SniPixmap> m_iconPixmaps;
    // By what decides the picture: the label's name and colour, or the tile's colour and number.
    RecentCache<QString, QList<SniPixmap>> m_pictures;
    QPoint m_clickPosition;
};
