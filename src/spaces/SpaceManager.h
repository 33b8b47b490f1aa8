// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "settings/SettingsModel.h"
#include "windowserver/WindowServer.h"

#include <QList>
#include <QObject>

#include <functional>

class SettingsManager;
class WindowServer;

// The one source of truth about Spaces: the active one and the ascending list of all, refreshed from the window
// server whenever the window server says the active Space changed. When Spaces come or go, the stored configurations
// follow.
class SpaceManager : public QObject {
    Q_OBJECT

public:
    using SettingsProvider = std::function<SettingsManager&()>;

    // Refreshes at once. The settings manager is only asked for when Spaces come or go.
    SpaceManager(WindowServer& windowServer, SettingsProvider settings);

    // The instance of the run, on the installed window server, created on first use.
    static SpaceManager& shared();

    SpaceID currentSpaceID() const { return m_currentSpaceID; }
    const QList<SpaceID>& allSpaceIDs() const { return m_allSpaceIDs; }
    qint32 connectionID() const { return m_connectionID; }
    // The active Space's position in allSpaceIDs; 0 when it is not there.
    qint64 currentSpaceIndex() const;

    void refreshSpaces();
    // Asks the window server to make the Space the active one; the change arrives as any other. The reason when the
    // window server cannot be asked, empty otherwise.
    QString switchTo(SpaceID spaceID) { return m_windowServer.switchTo(spaceID); }

signals:
    // Sent before every assignment of currentSpaceID or allSpaceIDs, and once more after a refresh that changed
    // the active Space, when both hold their new values.
    void objectWillChange();

private:
    void setupSpaceChangeObserver();
    void handleSpaceListChange(const QList<SpaceID>& oldList, const QList<SpaceID>& newList);
    void setCurrentSpaceID(SpaceID spaceID);
    void setAllSpaceIDs(QList<SpaceID> spaceIDs);

    SpaceID m_currentSpaceID = 0;
    QList<SpaceID> m_allSpaceIDs;
    qint32 m_connectionID = 0;

    WindowServer& m_windowServer;
    SettingsProvider m_settings;
};
