// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

// What the status item shows: the active desktop's name on its colour (a colour text as stored), and the desktop's
// 0-based position among all desktops.
struct StatusLabel {
    QString name;
    QString color;
    qint64 position = 0;

    friend bool operator==(const StatusLabel&, const StatusLabel&) = default;
};
