// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "statusbar/DesktopGridSymbol.h"

#include <QColor>
#include <QPainter>
#include <QRectF>
#include <QTransform>

void drawDesktopGridSymbol(QPainter& painter, const QRectF& square, const QColor& color) {
    // Proportions of the 14-point symbol: cells of 6 with a gap of 2 and corners of 1.5. Cells and gaps are rounded
    // to whole device pixels and the grid is put on the pixel grid: in a 17-pixel tray icon a cell is five pixels
    // wide, and antialiased edges would blur the four squares into one smudge.
    const QTransform toDevice = painter.deviceTransform(); // our painters only scale and translate
    const qreal scale = toDevice.m11();
    const qreal deviceSide = qMin(square.width(), square.height()) * scale;
    const qreal deviceGap = qMax(1, qRound(deviceSide * 2 / 14));
    const qreal deviceCell = qMax(1, qRound((deviceSide - deviceGap) / 2));
    const qreal deviceExtent = 2 * deviceCell + deviceGap;
    const QPointF deviceCentre = toDevice.map(square.center());
    const QPointF deviceOrigin(qRound(deviceCentre.x() - deviceExtent / 2),
                               qRound(deviceCentre.y() - deviceExtent / 2));

    const QPointF origin = toDevice.inverted().map(deviceOrigin);
    const qreal cell = deviceCell / scale;
    const qreal step = (deviceCell + deviceGap) / scale;
    const qreal radius = deviceSide * 1.5 / 14 / scale;

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 2; ++column) {
            const QRectF cellRect(origin + QPointF(column * step, row * step), QSizeF(cell, cell));
            painter.drawRoundedRect(cellRect, radius, radius);
        }
    }
    painter.restore();
}
