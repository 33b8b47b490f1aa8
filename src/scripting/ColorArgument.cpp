// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "scripting/ColorArgument.h"

#include "core/ColorParsing.h"
#include "settings/SettingsManager.h"

#include <algorithm>

namespace ColorArgument {

std::optional<QString> colorHex(QStringView text) {
    QStringView digits = text.trimmed();
    for (std::size_t position = 0; position < paletteNames.size(); ++position) {
        if (digits.compare(paletteNames[position], Qt::CaseInsensitive) == 0) {
            return SettingsManager::defaultColors[position];
        }
    }
    if (digits.startsWith(u'#')) {
        digits = digits.sliced(1);
    }
    const bool hexadecimal = std::all_of(digits.begin(), digits.end(), [](QChar c) {
        return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
    });
    if (!hexadecimal || (digits.size() != 3 && digits.size() != 6 && digits.size() != 8)) {
        return std::nullopt;
    }
    // Upper case, so that the marking window's palette recognises its own colours.
    const HexColorComponents color = hexColorComponents(digits);
    const auto hex = [](int component) {
        return QStringLiteral("%1").arg(component, 2, 16, QLatin1Char('0')).toUpper();
    };
    const QString opaque = hex(color.red) + hex(color.green) + hex(color.blue);
    return QLatin1Char('#') + (color.alpha == 255 ? opaque : hex(color.alpha) + opaque);
}

} // namespace ColorArgument
