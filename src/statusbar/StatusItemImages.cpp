// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "statusbar/StatusItemImages.h"

#include "core/ColorParsing.h"
#include "statusbar/DesktopGridSymbol.h"
#include "statusbar/StatusBarItemView.h"

#include <QPainter>
#include <QtMath>

namespace {

constexpr qreal trayCornerRadiusShare = 0.18;
constexpr qreal traySymbolShare = 0.6;

QImage transparentImage(QSize logicalSize, qreal devicePixelRatio) {
    QImage image(qCeil(logicalSize.width() * devicePixelRatio), qCeil(logicalSize.height() * devicePixelRatio),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    return image;
}

} // namespace

QImage renderTrayIcon(const QString& color, int sizePx, qreal devicePixelRatio) {
    QImage image = transparentImage(QSize(sizePx, sizePx), devicePixelRatio);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    QColor fill = colorFromHex(color);
    fill.setAlphaF(StatusBarItemView::labelAlpha);
    const QRectF square(0, 0, sizePx, sizePx);
    const qreal cornerRadius = sizePx * trayCornerRadiusShare;
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRoundedRect(square, cornerRadius, cornerRadius);

    QRectF symbol(0, 0, sizePx * traySymbolShare, sizePx * traySymbolShare);
    symbol.moveCenter(square.center());
    drawDesktopGridSymbol(painter, symbol, Qt::white);
    return image;
}

QImage renderItemView(StatusBarItemView& view, qreal devicePixelRatio) {
    view.resize(view.sizeHint());
    QImage image = transparentImage(view.size(), devicePixelRatio);
    QPainter painter(&image);
    // Without the window background, which a parentless widget would otherwise be given.
    view.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}
