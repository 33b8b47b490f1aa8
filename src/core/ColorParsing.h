// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QColor>
#include <QString>
#include <QStringView>

// A colour's components as read from a colour hex string, each 0 to 255.
struct HexColorComponents {
    int red = 0;
    int green = 0;
    int blue = 0;
    int alpha = 255;

    bool operator==(const HexColorComponents&) const = default;
};

// Reads "#RGB", "#RRGGBB" and "#AARRGGBB", with or without "#", "0x" or blanks around them. Never fails: text of
// any other length is opaque black, and text of a right length that is no hexadecimal number throughout gives the
// colour of the hexadecimal prefix that could be read. Every colour parser of the program builds on this one.
HexColorComponents hexColorComponents(QStringView text);

// The status bar's colour for a colour hex string, in sRGB.
QColor colorFromHex(const QString& text);
