// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "statusbar/StatusMenu.h"

#include "core/ColorParsing.h"
#include "core/LocalizedTexts.h"
#include "core/TextKeys.h"

#include <QMenu>
#include <QPixmap>

std::unique_ptr<QMenu> buildStatusMenu(const StatusMenuCommands& commands) {
    auto menu = std::make_unique<QMenu>();
    menu->setAccessibleName(QStringLiteral("Vantorel"));
    for (const StatusMenuDesktop& desktop : commands.desktops) {
        QPixmap swatch(12, 12);
        swatch.fill(colorFromHex(desktop.color));
        QAction* entry =
            menu->addAction(QIcon(swatch), desktop.name,
                            [switchTo = commands.switchTo, spaceID = desktop.spaceID] { switchTo(spaceID); });
        entry->setCheckable(true);
        entry->setChecked(desktop.isCurrent);
    }
    if (!commands.desktops.isEmpty()) {
        menu->addSeparator();
    }
    menu->addAction(LocalizedTexts::localized(TextKeys::menuSettings), commands.openSettings);
    menu->addAction(LocalizedTexts::localized(TextKeys::menuCheckUpdates), commands.checkForUpdates);
    menu->addSeparator();
    QAction* quit = menu->addAction(LocalizedTexts::localized(TextKeys::menuQuit), commands.quit);
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    // Menus outside a menu bar hide shortcuts unless told otherwise.
    quit->setShortcutVisibleInContextMenu(true);
    return menu;
}
