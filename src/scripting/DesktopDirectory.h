// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "scripting/Desktop.h"

#include <QList>
#include <QObject>

#include <optional>

class SettingsManager;
class SpaceManager;
class WindowServer;

// The desktops for scripts and for bars on each monitor: reads them from the space and settings managers and changes
// them as the marking window does, through the settings manager, so that saving and redrawing follow as after an
// edit there. Every operation returns the reason it could not be done, or nothing.
class DesktopDirectory : public QObject {
    Q_OBJECT

public:
    // The longest name the marking window's name field takes.
    static constexpr qsizetype longestName = 32767;

    DesktopDirectory(SpaceManager& spaceManager, SettingsManager& settingsManager, WindowServer& windowServer,
                     QObject* parent = nullptr);

    QList<Desktop> desktops();
    std::optional<Desktop> withNumber(qint64 number);
    std::optional<Desktop> withSpaceID(SpaceID spaceID);
    // The desktop the monitor shows; nothing when the window manager does not name that monitor.
    std::optional<Desktop> shownOn(const QString& output);

    QString rename(SpaceID spaceID, const QString& name);
    // `color` as ColorArgument reads it.
    QString recolor(SpaceID spaceID, const QString& color);
    QString switchTo(SpaceID spaceID);

signals:
    // What the operations above give may have changed: once per turn of the event loop, after the change.
    void changed();
    // The active desktop's name, colour or number changed.
    void activeDesktopChanged(const Desktop& desktop);

private:
    Desktop describe(SpaceID spaceID, qsizetype position);
    void scheduleChanged();
    void announceChange();

    SpaceManager& m_spaceManager;
    SettingsManager& m_settingsManager;
    WindowServer& m_windowServer;
    bool m_changeScheduled = false;
    std::optional<Desktop> m_active;
};
