// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "statusbar/TrayStyle.h"

#include <array>
#include <utility>

namespace {

const std::array<std::pair<QLatin1StringView, TrayStyle>, 4> styleNames{{
    {QLatin1StringView("wide"), TrayStyle::Wide},
    {QLatin1StringView("tile"), TrayStyle::Tile},
    {QLatin1StringView("tile-and-text"), TrayStyle::TileAndText},
    {QLatin1StringView("auto"), TrayStyle::Automatic},
}};

TrayStyle chosenStyle = TrayStyle::Automatic;

} // namespace

std::optional<TrayStyle> TrayStyles::named(QStringView name) {
    for (const auto& [candidate, style] : styleNames) {
        if (name == candidate) {
            return style;
        }
    }
    return std::nullopt;
}

QString TrayStyles::allNames() {
    return QStringLiteral("wide, tile, tile-and-text or auto");
}

TrayStyle TrayStyles::chosen() {
    return chosenStyle;
}

void TrayStyles::choose(TrayStyle style) {
    chosenStyle = style;
}
