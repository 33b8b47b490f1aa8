// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "marking/ViewColor.h"

#include "core/ColorParsing.h"

QColor viewColorFromHex(const QString& text) {
    const HexColorComponents components = hexColorComponents(text);
    return QColor::fromRgbF(static_cast<float>(components.red / 255.0), static_cast<float>(components.green / 255.0),
                            static_cast<float>(components.blue / 255.0), static_cast<float>(components.alpha / 255.0));
}
