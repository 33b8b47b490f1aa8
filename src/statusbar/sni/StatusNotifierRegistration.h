// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QTimer>

// Keeps an item registered with the StatusNotifierWatcher until the watcher lists it, and registers it again when the
// watcher drops it. A watcher may take an item and lose it moments later (GNOME's AppIndicator extension does with an
// item that comes while the shell is starting), so the item counts as shown only once the watcher still lists it a
// little after taking it.
//
// The item registers by its object path, as libappindicator's items do, so that the watcher follows the item's
// connection. Given the well-known name, GNOME's AppIndicator extension also watches that name and, when the name's
// first report races with its own start of the item, keeps the item listed but never shows it.
class StatusNotifierRegistration : public QObject {
    Q_OBJECT

public:
    // How long after being taken the item must still be listed; the first wait before registering again, which
    // doubles with every attempt up to the longest.
    struct Timing {
        int settleMs = 1500;
        int firstRetryMs = 500;
        int longestRetryMs = 16000;
    };

    // `service` is the well-known name the item also holds, `itemPath` its object on `connection`.
    StatusNotifierRegistration(QDBusConnection connection, QString service, QString itemPath, Timing timing,
                               QObject* parent);

    // Registers now, forgetting earlier attempts: for a new watcher, or a new host.
    void start();
    bool isShown() const { return m_shown; }

signals:
    void shownChanged(bool shown);

private:
    Q_SLOT void itemUnregistered(const QString& item);
    void registerItem();
    // Asks the watcher for its list; `settled` says whether the item had time to be dropped.
    void checkListed(bool settled);
    void retryLater(const QString& reason);
    void setShown(bool shown);
    bool isOurs(const QString& item) const;

    QDBusConnection m_connection;
    QString m_service;
    QString m_itemPath;
    Timing m_timing;
    QTimer m_retry;
    QTimer m_settle;
    int m_attempts = 0;
    bool m_shown = false;
};
