// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "statusbar/sni/DBusTypes.h"

#include <QDBusContext>
#include <QObject>

#include <functional>
#include <memory>
#include <optional>

class QMenu;

// Offers a menu to panels over com.canonical.dbusmenu, so that they draw it themselves. The menu is built anew
// whenever a panel is about to show it and kept until the next build, so that a click on an entry reaches that
// entry. Entries are numbered from 1 in menu order (the root is 0): an unchanged menu keeps its numbers, and a
// changed one (a new language, say) gets a new revision, announced by `layoutUpdated`. Flat menus only: entries
// with submenus are shown as plain entries. Register it on a connection at `objectPath`: its adaptor comes along.
// QtDBus keeps the context of a call through an adaptor (to answer it with an error) on the adaptor's parent: here.
class DBusMenuExporter : public QObject, public QDBusContext {
    Q_OBJECT

public:
    using MenuBuilder = std::function<std::unique_ptr<QMenu>()>;

    static constexpr int rootId = 0;
    static inline const QString objectPath = QStringLiteral("/MenuBar");

    // `buildMenu` makes a fresh menu; it may give none, which shows as an empty menu.
    explicit DBusMenuExporter(MenuBuilder buildMenu, QObject* parent = nullptr);
    ~DBusMenuExporter() override;

    uint revision() const { return m_revision; }

    // The entry `parentId` with its children down to `recursionDepth` levels (-1: all), each with the named
    // properties (none named: all). Asking for the root builds the menu anew.
    DBusMenuLayout layout(int parentId, int recursionDepth, const QStringList& propertyNames);
    // The named properties of the given entries (no entries named: every entry).
    QList<DBusMenuItem> groupProperties(const QList<int>& ids, const QStringList& propertyNames);
    // One property; none for an unknown entry or property.
    std::optional<QVariant> property(int id, const QString& name);
    // A panel's event on an entry; "clicked" runs the entry's command on a later turn of the event loop. False for
    // an unknown entry.
    bool handleEvent(int id, const QString& eventId);
    // The panel is about to show the entry `id`: the root is built anew. Whether the layout changed; none for an
    // unknown entry.
    std::optional<bool> aboutToShow(int id);

signals:
    void layoutUpdated(uint revision, int parentId);

private:
    // Builds the menu anew; true when its layout differs from the previous build's.
    bool rebuild();
    void buildOnce();
    bool isEntry(int id) const { return id > rootId && id <= m_entries.size(); }
    std::optional<QVariantMap> propertiesOf(int id) const;

    MenuBuilder m_buildMenu;
    // Shared with commands waiting to run, so that a rebuild in between does not take their entry away.
    std::shared_ptr<QMenu> m_menu;
    QList<QVariantMap> m_entries;
    bool m_built = false;
    uint m_revision = 1;
};
