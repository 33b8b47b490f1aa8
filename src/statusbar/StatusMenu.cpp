// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "statusbar/StatusMenu.h"

#include "core/LocalizedTexts.h"
#include "core/TextKeys.h"

#include <QMenu>

std::unique_ptr<QMenu> buildStatusMenu(const StatusMenuCommands& commands) {
    auto menu = std::make_unique<QMenu>();
    menu->setAccessibleName(QStringLiteral("Vantorel"));
    menu->addAction(LocalizedTexts::localized(TextKeys::menuSettings), commands.openSettings);
    menu->addAction(LocalizedTexts::localized(TextKeys::menuCheckUpdates), commands.checkForUpdates);
    menu->addSeparator();
    QAction* quit = menu->addAction(LocalizedTexts::localized(TextKeys::menuQuit), commands.quit);
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    // Menus outside a menu bar hide shortcuts unless told otherwise.
    quit->setShortcutVisibleInContextMenu(true);
    return menu;
}
