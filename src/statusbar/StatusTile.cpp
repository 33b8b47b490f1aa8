// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "statusbar/StatusTile.h"

#include "core/ColorParsing.h"
#include "statusbar/DesktopGridSymbol.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QtMath>

#include <cmath>

namespace {

constexpr qreal cornerRadiusShare = 0.2;
constexpr qreal digitHeightShare = 0.7;
constexpr qreal textWidthShare = 0.86;
constexpr qreal symbolShare = 0.6;
const QColor nearBlack(0x1A, 0x1A, 0x1A);

// Relative luminance after WCAG 2: linear light, weighted for the eye.
qreal luminance(const QColor& color) {
    const auto linear = [](qreal channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF()) + 0.0722 * linear(color.blueF());
}

qreal contrast(const QColor& one, const QColor& other) {
    const qreal first = luminance(one);
    const qreal second = luminance(other);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// The number filling most of the tile's height; a number too wide for the tile is narrowed, not made smaller. Placed
// on whole device pixels, so that hinted strokes stay sharp at 16 px.
void drawNumber(QPainter& painter, const QRectF& tile, int number, const QColor& color, qreal devicePixelRatio) {
    const QString text = QString::number(number);
    QFont font;
    font.setBold(true);
    font.setPixelSize(100);
    // Digits are about as tall as the font's cap height, so the font is scaled for the digits' own height.
    font.setPixelSize(std::max(
        1, qRound(100 * tile.height() * digitHeightShare / QFontMetricsF(font).tightBoundingRect(text).height())));
    const QRectF bounds = QFontMetricsF(font).tightBoundingRect(text);
    const qreal narrowing = std::min(1.0, tile.width() * textWidthShare / bounds.width());
    const auto onDevicePixel = [devicePixelRatio](qreal value) {
        return qRound(value * devicePixelRatio) / devicePixelRatio;
    };
    painter.save();
    painter.translate(onDevicePixel(tile.center().x()), onDevicePixel(tile.center().y()));
    painter.scale(narrowing, 1);
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(QPointF(onDevicePixel(-bounds.center().x()), onDevicePixel(-bounds.center().y())), text);
    painter.restore();
}

} // namespace

QImage StatusTile::render(const QString& color, int number, int sizePx, qreal devicePixelRatio) {
    const int side = qCeil(sizePx * devicePixelRatio);
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    // Opaque whatever the colour's alpha, so that the number's contrast holds on any panel.
    QColor fill = colorFromHex(color);
    fill.setAlpha(255);
    const QRectF tile(0, 0, sizePx, sizePx);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRoundedRect(tile, sizePx * cornerRadiusShare, sizePx * cornerRadiusShare);

    const QColor text = textColorOn(fill);
    if (number > 0) {
        drawNumber(painter, tile, number, text, devicePixelRatio);
    } else {
        QRectF symbol(0, 0, sizePx * symbolShare, sizePx * symbolShare);
        symbol.moveCenter(tile.center());
        drawDesktopGridSymbol(painter, symbol, text);
    }
    return image;
}

QColor StatusTile::textColorOn(const QColor& background) {
    return contrast(background, Qt::white) > contrast(background, nearBlack) ? QColor(Qt::white) : nearBlack;
}

const QList<int>& StatusTile::sizes() {
    static const QList<int> all{16, 22, 24, 32, 44, 64};
    return all;
}
