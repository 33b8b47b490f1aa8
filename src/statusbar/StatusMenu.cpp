// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "statusbar/StatusMenu.h"

#include "core/LocalizedTexts.h"

#include <QMenu>

std::unique_ptr<QMenu> buildStatusMenu(const StatusMenuCommands& commands) {
    auto menu = std::make_unique<QMenu>();
    menu->setAccessibleName(QStringLiteral("Vantorel"));
    menu->addAction(LocalizedTexts::localized("menu_settings"), commands.openSettings);
    menu->addAction(LocalizedTexts::localized("menu_check_updates"), commands.checkForUpdates);
    menu->addSeparator();
    QAction* quit = menu->addAction(LocalizedTexts::localized("menu_quit"), commands.quit);
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    // Menus outside a menu bar hide shortcuts unless told otherwise.
    quit->setShortcutVisibleInContextMenu(true);
    return menu;
}
