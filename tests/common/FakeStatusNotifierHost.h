// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusMessage>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

// A panel on a connection of its own: hosts the StatusNotifierWatcher, records the items that register and their
// signals, and calls them, running the event loop meanwhile since the item usually lives in this process.
class FakeStatusNotifierHost : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ listedItems)

public:
    FakeStatusNotifierHost(const QString& busAddress, const QString& connectionName);
    ~FakeStatusNotifierHost() override;

    // Takes the watcher's name; a later host may replace this one, or this one replaces the current owner.
    bool startWatcher(bool replacing = false);
    void stopWatcher();

    QDBusMessage call(const QString& service, const QString& path, const QString& interface, const QString& method,
                      const QVariantList& arguments = {});
    // Chooses the entry `id` of the menu the item at `service` exports, as a panel does on a click.
    QDBusMessage clickMenuEntry(const QString& service, int id);
    QVariantMap itemProperties(const QString& service);

    QStringList registeredItems;
    bool listsItems = true; // a watcher that takes items and drops them at once lists none
    QStringList listedItems() const { return listsItems ? registeredItems : QStringList(); }
    QList<QDBusMessage> itemSignals; // from the items that registered, status item and menu alike

public slots:
    void RegisterStatusNotifierItem(const QString& serviceOrPath);

private slots:
    void recordSignal(const QDBusMessage& message);

private:
    QDBusConnection m_connection;
};
