// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// How a panel that shows the status item as a picture is given the label:
// - Wide: the whole label, for panels that draw a picture at its own width;
// - Tile: a square tile with the desktop's number, for panels that draw every item square and show no text;
// - TileAndText: the tile plus the name as the item's text label, for panels that draw both;
// - Automatic: whichever suits the panel that hosts the item.
enum class TrayStyle { Automatic, Wide, Tile, TileAndText };

namespace TrayStyles {

std::optional<TrayStyle> named(QStringView name);
// "wide, tile, tile-and-text or auto", for help and error texts.
QString allNames();

// The style the user chose, for the whole program: Automatic unless set.
TrayStyle chosen();
void choose(TrayStyle style);

} // namespace TrayStyles
