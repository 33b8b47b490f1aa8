// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QColor>
#include <QImage>
#include <QString>

// The status item's square form, for panels that draw every item in a square: a rounded tile in the desktop's
// colour with the desktop's number on it, large and in whichever of white or near-black stands out more.
class StatusTile {
public:
    // `number` is the desktop's position plus one; 0 draws the desktop symbol instead of a number.
    static QImage render(const QString& color, int number, int sizePx, qreal devicePixelRatio = 1);
    // White or near-black, whichever contrasts more with `background`.
    static QColor textColorOn(const QColor& background);
    // The sizes panels draw items at: 16, 22, 24, 32 and 44 px, and the doubled 64 px.
    static const QList<int>& sizes();
};
