// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "app/SystemStatusBar.h"

#include "app/PresenterChooser.h"

std::unique_ptr<StatusItem> SystemStatusBar::statusItem() {
    auto item = std::make_unique<StatusItem>(std::make_unique<StatusBarButton>());
    new PresenterChooser(*item, PresenterChooser::reachableSessionBus(), item.get());
    return item;
}
