// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "statusbar/StatusItem.h"

// The panel of this session: each item is shown by whichever presenter the session offers, and moves when that
// changes (see PresenterChooser).
class SystemStatusBar : public StatusBar {
public:
    std::unique_ptr<StatusItem> statusItem() override;
};
