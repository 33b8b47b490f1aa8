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
