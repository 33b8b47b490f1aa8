// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "feeds/BarLabel.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <optional>

// The text bars a feed writes for, and how each shows the status item's label. Every line is one line whatever the
// name holds, every colour is written as the status bar's parser reads it (never the stored text), and nothing in a
// name can act as markup or a formatting tag of the bar.
enum class BarFormat { Waybar, Polybar, I3blocks, Plain };

namespace BarFormats {

std::optional<BarFormat> named(QStringView name);
QString name(BarFormat format);
// "waybar, polybar, i3blocks or plain", for help and error texts.
QString allNames();

// The line (without its newline) that shows the label:
// - waybar: a custom module's JSON with Pango markup in "text" and "tooltip", the colour's class of the style sheet
//   in "class" and the colour as "#rrggbb" in "alt"; a colour outside the palette also gets an inline background.
// - polybar: background and foreground tags around the name, a zero-width space after every "%" of the name.
// - i3blocks: a persistent block's JSON whose "full_text" is Pango markup that draws the label ("markup": "pango").
// - plain: the name.
QByteArray labelLine(BarFormat format, const BarLabel& label);
// The line that makes the bar show nothing, while no Vantorel runs.
QByteArray emptyLine(BarFormat format);

} // namespace BarFormats
