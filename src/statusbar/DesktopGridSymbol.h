// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

class QColor;
class QPainter;
class QRectF;

// The status item's symbol: a two-by-two grid of rounded squares, one for each of four desktops. We draw it
// ourselves because Linux desktops ship no common symbol font.
void drawDesktopGridSymbol(QPainter& painter, const QRectF& square, const QColor& color);
