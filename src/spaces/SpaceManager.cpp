// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "spaces/SpaceManager.h"

#include "core/Diagnostics.h"
#include "settings/SettingsManager.h"
#include "spaces/SpaceList.h"
#include "windowserver/WindowServer.h"

#include <QSet>

#include <algorithm>

namespace {

// Sets print in ascending order, so that a run's output can be compared with another's.
QString formatSet(const QSet<SpaceID>& set) {
    QList<SpaceID> values(set.begin(), set.end());
    std::sort(values.begin(), values.end());
    return Diagnostics::formatList(values);
}

} // namespace

SpaceManager::SpaceManager(WindowServer& windowServer, SettingsProvider settings)
    : m_windowServer(windowServer)
    , m_settings(std::move(settings)) {
    m_connectionID = m_windowServer.mainConnectionID();
    setupSpaceChangeObserver();
    refreshSpaces();
}

SpaceManager& SpaceManager::shared() {
    // Never destroyed: it lives as long as the process.
    static auto* instance = new SpaceManager(WindowServer::shared(), &SettingsManager::shared);
    return *instance;
}

void SpaceManager::setupSpaceChangeObserver() {
    connect(&m_windowServer, &WindowServer::activeSpaceDidChange, this, [this] {
        Diagnostics::print(QStringLiteral("🔄 Active Space changed"));
        refreshSpaces();
    });
}

void SpaceManager::setCurrentSpaceID(SpaceID spaceID) {
    emit objectWillChange();
    m_currentSpaceID = spaceID;
}

void SpaceManager::setAllSpaceIDs(QList<SpaceID> spaceIDs) {
    emit objectWillChange();
    m_allSpaceIDs = std::move(spaceIDs);
}

void SpaceManager::refreshSpaces() {
    const QList<SpaceID> oldList = m_allSpaceIDs;
    const SpaceID oldActive = m_currentSpaceID;
    Diagnostics::print(QStringLiteral("🔍 Refreshing Spaces... Connection ID: %1").arg(m_connectionID));

    setCurrentSpaceID(SpaceList::spaceIDFromActiveValue(m_windowServer.activeSpace(m_connectionID)));
    Diagnostics::print(QStringLiteral("🖥️  Current Space ID: %1 (was: %2)").arg(m_currentSpaceID).arg(oldActive));

    if (const std::optional<QList<qint64>> raw = SpaceList::getAllSpaceIDs(m_windowServer, m_connectionID)) {
        Diagnostics::print(QStringLiteral("📋 Raw spaces array: %1").arg(Diagnostics::formatList(*raw)));
        SpaceList::Converted converted = SpaceList::convert(*raw, m_windowServer.listsSpacesInOrder());
        setAllSpaceIDs(std::move(converted.sorted));
        Diagnostics::print(
            QStringLiteral("✅ Converted Space IDs (sorted by ID): %1 (raw: %2)")
                .arg(Diagnostics::formatList(m_allSpaceIDs), Diagnostics::formatList(converted.unsorted)));
        Diagnostics::print(QStringLiteral("📍 Current space index: %1").arg(currentSpaceIndex()));
    } else {
        Diagnostics::print(QStringLiteral("❌ Failed to get spaces array"));
    }
    Diagnostics::print(QStringLiteral("🖥️  Total Spaces: %1").arg(m_allSpaceIDs.size()));

    if (oldList != m_allSpaceIDs) {
        handleSpaceListChange(oldList, m_allSpaceIDs);
    }
    if (oldActive != m_currentSpaceID) {
        Diagnostics::print(QStringLiteral("🔄 Space changed from %1 to %2").arg(oldActive).arg(m_currentSpaceID));
        QMetaObject::invokeMethod(
            this, [this] { emit objectWillChange(); }, Qt::QueuedConnection);
    }
}

void SpaceManager::handleSpaceListChange(const QList<SpaceID>& oldList, const QList<SpaceID>& newList) {
    const QSet<SpaceID> oldSet(oldList.begin(), oldList.end());
    const QSet<SpaceID> newSet(newList.begin(), newList.end());
    const QSet<SpaceID> added = QSet<SpaceID>(newSet).subtract(oldSet);
    const QSet<SpaceID> removed = QSet<SpaceID>(oldSet).subtract(newSet);
    if (!added.isEmpty()) {
        Diagnostics::print(QStringLiteral("➕ New Spaces detected: %1").arg(formatSet(added)));
    }
    if (!removed.isEmpty()) {
        Diagnostics::print(QStringLiteral("➖ Deleted Spaces: %1").arg(formatSet(removed)));
    }
    if (added.isEmpty() && removed.isEmpty()) {
        return;
    }
    // The list taken now, not allSpaceIDs when the task runs. An empty list runs the follow-up as well; the
    // settings manager removes nothing for it.
    QMetaObject::invokeMethod(
        this, [this, spaceIDs = newList] { m_settings().syncConfigs(spaceIDs); }, Qt::QueuedConnection);
}

qint64 SpaceManager::currentSpaceIndex() const {
    const qsizetype index = m_allSpaceIDs.indexOf(m_currentSpaceID);
    return index < 0 ? 0 : index;
}
