// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "scripting/DesktopDirectory.h"

#include "scripting/ColorArgument.h"
#include "settings/SettingsManager.h"
#include "spaces/SpaceManager.h"
#include "windowserver/WindowServer.h"

DesktopDirectory::DesktopDirectory(SpaceManager& spaceManager, SettingsManager& settingsManager,
                                   WindowServer& windowServer, QObject* parent)
    : QObject(parent)
    , m_spaceManager(spaceManager)
    , m_settingsManager(settingsManager)
    , m_windowServer(windowServer) {
    // Both announce before they change: what changed is read on a later turn.
    connect(&m_spaceManager, &SpaceManager::objectWillChange, this, &DesktopDirectory::scheduleChanged);
    connect(&m_settingsManager, &SettingsManager::objectWillChange, this, &DesktopDirectory::scheduleChanged);
    const QList<Desktop> all = desktops();
    for (const Desktop& desktop : all) {
        if (desktop.active) {
            m_active = desktop;
        }
    }
}

Desktop DesktopDirectory::describe(SpaceID spaceID, qsizetype position) {
    const SpaceConfig config = m_settingsManager.getOrCreateConfig(spaceID, position);
    const WindowServer::Placement placement = m_windowServer.placement();
    std::optional<QString> output;
    if (const auto found = placement.outputOfSpace.constFind(spaceID); found != placement.outputOfSpace.cend()) {
        output = *found;
    }
    return {position + 1, spaceID, config.name, config.color, spaceID == m_spaceManager.currentSpaceID(), output};
}

QList<Desktop> DesktopDirectory::desktops() {
    const QList<SpaceID> spaceIDs = m_spaceManager.allSpaceIDs();
    QList<Desktop> result;
    for (qsizetype position = 0; position < spaceIDs.size(); ++position) {
        result.append(describe(spaceIDs[position], position));
    }
    return result;
}

std::optional<Desktop> DesktopDirectory::withNumber(qint64 number) {
    const QList<SpaceID>& spaceIDs = m_spaceManager.allSpaceIDs();
    if (number < 1 || number > spaceIDs.size()) {
        return std::nullopt;
    }
    return describe(spaceIDs[number - 1], number - 1);
}

std::optional<Desktop> DesktopDirectory::withSpaceID(SpaceID spaceID) {
    const qsizetype position = m_spaceManager.allSpaceIDs().indexOf(spaceID);
    if (position < 0) {
        return std::nullopt;
    }
    return describe(spaceID, position);
}

std::optional<Desktop> DesktopDirectory::shownOn(const QString& output) {
    const WindowServer::Placement placement = m_windowServer.placement();
    const auto shown = placement.visibleOnOutput.constFind(output);
    if (shown == placement.visibleOnOutput.cend()) {
        return std::nullopt;
    }
    return withSpaceID(*shown);
}

QString DesktopDirectory::rename(SpaceID spaceID, const QString& name) {
    if (!withSpaceID(spaceID)) {
        return QStringLiteral("no desktop has the id %1").arg(spaceID);
    }
    // What the marking window's one-line field could hold.
    if (name.size() > longestName || name.contains(QLatin1Char('\n')) || name.contains(QLatin1Char('\r'))) {
        return QStringLiteral("a name is one line of at most %1 characters").arg(longestName);
    }
    m_settingsManager.updateConfig(spaceID, name, std::nullopt);
    return {};
}

QString DesktopDirectory::recolor(SpaceID spaceID, const QString& color) {
    if (!withSpaceID(spaceID)) {
        return QStringLiteral("no desktop has the id %1").arg(spaceID);
    }
    const std::optional<QString> hex = ColorArgument::colorHex(color);
    if (!hex) {
        return QStringLiteral("'%1' is no colour: give #RRGGBB, #RGB, #AARRGGBB or one of %2")
            .arg(color, QStringList(ColorArgument::paletteNames.cbegin(), ColorArgument::paletteNames.cend())
                            .join(QStringLiteral(", ")));
    }
    m_settingsManager.updateConfig(spaceID, std::nullopt, *hex);
    return {};
}

QString DesktopDirectory::switchTo(SpaceID spaceID) {
    if (!withSpaceID(spaceID)) {
        return QStringLiteral("no desktop has the id %1").arg(spaceID);
    }
    return m_windowServer.switchTo(spaceID);
}

void DesktopDirectory::scheduleChanged() {
    if (std::exchange(m_changeScheduled, true)) {
        return;
    }
    QMetaObject::invokeMethod(this, &DesktopDirectory::announceChange, Qt::QueuedConnection);
}

void DesktopDirectory::announceChange() {
    m_changeScheduled = false;
    const std::optional<Desktop> active = withSpaceID(m_spaceManager.currentSpaceID());
    emit changed();
    if (active && (!m_active || active->name != m_active->name || active->color != m_active->color ||
                   active->number != m_active->number)) {
        m_active = active;
        emit activeDesktopChanged(*active);
    }
}
