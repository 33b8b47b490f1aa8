// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

#include <cstdlib>
#include <functional>

// Whether the pixel of an ARGB32_Premultiplied image shows the (unpremultiplied) colour, within ±1 per channel.
inline bool pixelIs(const QImage& image, QPoint point, const QColor& expected) {
    const QRgb actual = image.pixel(point);
    const QRgb wanted = qPremultiply(expected.rgba());
    for (int shift : {0, 8, 16, 24}) {
        if (std::abs(int((actual >> shift) & 0xFF) - int((wanted >> shift) & 0xFF)) > 1) {
            return false;
        }
    }
    return true;
}

// The smallest rectangle holding every pixel that passes the test; empty when none does.
inline QRect boundsOf(const QImage& image, const std::function<bool(QRgb)>& test) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (test(image.pixel(x, y))) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

// The smallest rectangle holding every pixel of this colour, within ±`tolerance` per channel; empty when none is.
inline QRect boundsOfColour(const QImage& image, const QColor& colour, int tolerance = 3) {
    return boundsOf(image, [&colour, tolerance](QRgb pixel) {
        return std::abs(qRed(pixel) - colour.red()) <= tolerance &&
               std::abs(qGreen(pixel) - colour.green()) <= tolerance &&
               std::abs(qBlue(pixel) - colour.blue()) <= tolerance;
    });
}

// The colour that `colour` drawn at `opacity` shows on `background`, as a translucent label on a bar.
inline QColor blended(const QColor& colour, qreal opacity, const QColor& background = Qt::black) {
    const auto mix = [opacity](int front, int back) {
        return qRound(front * opacity + back * (1 - opacity));
    };
    return QColor(mix(colour.red(), background.red()), mix(colour.green(), background.green()),
                  mix(colour.blue(), background.blue()));
}
