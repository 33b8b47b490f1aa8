#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>
#include <QTest>

#include <cstdlib>
#include <functional>

// Compares the pixel at (x, y) of an ARGB32_Premultiplied image with an unpremultiplied colour, allowing ±1 per
// channel for rounding. Empty when they match, else what was found.
inline QString pixelMismatch(const QImage& image, int x, int y, const QColor& expected) {
    const QRgb actual = image.pixel(x, y); // premultiplied, as stored
    const QRgb wanted = qPremultiply(expected.rgba());
    const auto near = [](int a, int b) {
        return std::abs(a - b) <= 1;
    };
    if (near(qRed(actual), qRed(wanted)) && near(qGreen(actual), qGreen(wanted)) &&
        near(qBlue(actual), qBlue(wanted)) && near(qAlpha(actual), qAlpha(wanted))) {
        return {};
    }
    return QStringLiteral("pixel (%1, %2) is %3, expected %4 (premultiplied)")
        .arg(x)
        .arg(y)
        .arg(actual, 8, 16, QLatin1Char('0'))
        .arg(wanted, 8, 16, QLatin1Char('0'));
}

#define VERIFY_PIXEL(image, x, y, expected)                                                                            \
    do {                                                                                                               \
        const QString mismatch = pixelMismatch(image, x, y, expected);                                                 \
        QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));                                                            \
    } while (false)

inline QColor withAlpha(QColor color, qreal alpha) {
    color.setAlphaF(alpha);
    return color;
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
