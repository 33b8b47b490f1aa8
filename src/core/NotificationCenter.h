// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <vector>

// Delivers named notifications synchronously: every observer registered for a name has run when post() returns.
// An observer is tied to a context object and is skipped once that object is gone.
class NotificationCenter {
public:
    using Handler = std::function<void()>;
    using ObserverToken = quint64;

    // The process-wide centre ("SettingsDidChange" and the like).
    static NotificationCenter& defaultCenter();
    // The centre on which the window-server backend posts desktop changes.
    static NotificationCenter& workspaceCenter();

    ObserverToken addObserver(const QString& name, QObject* context, Handler handler);
    void removeObserver(ObserverToken token);
    void post(const QString& name);

private:
    struct Observer {
        ObserverToken token;
        QString name;
        QPointer<QObject> context;
        Handler handler;
    };

    const Observer* find(ObserverToken token) const;

    std::vector<Observer> m_observers;
    ObserverToken m_lastToken = 0;
};
