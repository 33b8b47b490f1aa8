// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QIcon>
#include <QObject>
#include <QString>

class QSystemTrayIcon;
class StatusBarButton;
class StatusItem;
class TrayHostWatcher;

// Shows a status item's button in the system tray. Tray hosts draw icons square, so the tray shows the item's
// square form: a tile in the desktop's colour with its number, with the desktop's name as the tool tip.
class TrayPresenter : public QObject {
    Q_OBJECT

public:
    // Shows the item, which must have a button.
    TrayPresenter(StatusItem& item, QObject* parent);

    // What the tray shows now.
    QIcon icon() const;
    QString toolTip() const { return m_shownTitle; }

private:
    void present();
    void popUpMenu();
    // Shows the icon anew, so that Qt docks it into the tray that is there now.
    void dock();

    StatusItem& m_item;
    StatusBarButton& m_button;
    TrayHostWatcher* m_trayHostWatcher;
    QSystemTrayIcon* m_trayIcon;
    QString m_shownTitle;
    QString m_shownColor;
    int m_shownNumber = 0;
};
