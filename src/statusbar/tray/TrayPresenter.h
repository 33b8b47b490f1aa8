// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "statusbar/RecentCache.h"

#include <QIcon>
#include <QObject>
#include <QString>

class QSystemTrayIcon;
class StatusBarButton;
class StatusItem;
class TrayHostWatcher;
struct StatusLabel;

// Shows a status item in the system tray. Tray hosts draw icons square, so the tray shows the item's square form:
// a tile in the desktop's colour with its number, with the desktop's name as the tool tip.
class TrayPresenter : public QObject {
    Q_OBJECT

public:
    // Shows the item, which must have a button.
    TrayPresenter(StatusItem& item, QObject* parent);

    // What the tray shows now.
    QIcon icon() const;
    QString toolTip() const;

private:
    void present(const StatusLabel& label);
    void popUpMenu();
    // Shows the icon anew, so that Qt docks it into the tray that is there now.
    void dock();

    StatusItem& m_item;
    StatusBarButton& m_button;
    TrayHostWatcher* m_trayHostWatcher;
    QSystemTrayIcon* m_trayIcon;
    // By colour and number: a desktop shown again brings back its icon, drawn sizes and all.
    RecentCache<std::pair<QString, qint64>, QIcon> m_icons;
};
