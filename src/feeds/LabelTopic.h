// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

// What a bar's feed subscribes to over the instance socket: a format's name ("waybar"), and for a bar on one monitor
// of i3 or sway, that monitor ("waybar output=HDMI-1").
struct LabelTopic {
    QString format;
    QString output; // empty: the focused monitor

    QString toText() const;
    static LabelTopic fromText(const QString& text);
};
