// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "core/NotificationCenter.h"

#include <algorithm>

NotificationCenter& NotificationCenter::defaultCenter() {
    static NotificationCenter center;
    return center;
}

NotificationCenter& NotificationCenter::workspaceCenter() {
    static NotificationCenter center;
    return center;
}

NotificationCenter::ObserverToken NotificationCenter::addObserver(const QString& name, QObject* context,
                                                                  Handler handler) {
    m_observers.push_back({++m_lastToken, name, context, std::move(handler)});
    return m_lastToken;
}

void NotificationCenter::removeObserver(ObserverToken token) {
    std::erase_if(m_observers, [token](const Observer& observer) { return observer.token == token; });
}

void NotificationCenter::post(const QString& name) {
    // Observers may add or remove observers while they run: deliver to those registered when the post began and
    // still registered when their turn comes.
    std::vector<ObserverToken> recipients;
    for (const Observer& observer : m_observers) {
        if (observer.name == name) {
            recipients.push_back(observer.token);
        }
    }
    for (ObserverToken token : recipients) {
        const Observer* observer = find(token);
        if (observer == nullptr || observer->context.isNull()) {
            continue;
        }
        const Handler handler = observer->handler; // the observer may remove itself while running
        handler();
    }
}

const NotificationCenter::Observer* NotificationCenter::find(ObserverToken token) const {
    const auto it = std::find_if(m_observers.begin(), m_observers.end(),
                                 [token](const Observer& observer) { return observer.token == token; });
    return it == m_observers.end() ? nullptr : &*it;
}
