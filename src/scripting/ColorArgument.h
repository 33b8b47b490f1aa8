// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QLatin1StringView>
#include <QString>
#include <QStringView>

#include <array>
#include <optional>

// A colour as a user writes it on the command line or over D-Bus: a name of the palette or a colour hex text.
namespace ColorArgument {

// The palette's colours by name, in palette order.
inline constexpr std::array<QLatin1StringView, 8> paletteNames{
    QLatin1StringView("red"),    QLatin1StringView("blue"),   QLatin1StringView("green"), QLatin1StringView("orange"),
    QLatin1StringView("purple"), QLatin1StringView("yellow"), QLatin1StringView("pink"),  QLatin1StringView("grey")};

// The colour hex text to store: the palette's own text for a palette name (in any letter case), else "#RRGGBB" (or
// "#AARRGGBB" when not opaque) in upper case for three, six or eight hexadecimal digits with or without "#" and
// blanks around them. Nothing for any other text: the colour parsers would draw it black.
std::optional<QString> colorHex(QStringView text);

} // namespace ColorArgument
