// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "marking/InfoSymbol.h"

#include "marking/SystemStyle.h"

#include <QPainter>

InfoSymbol::InfoSymbol(QWidget* parent)
    : QWidget(parent) {
    setFont(SystemStyle::font(SystemStyle::TextStyle::caption));
    setFixedSize(sizeHint());
}

QSize InfoSymbol::sizeHint() const {
    // As tall as the caption's capitals and a little more, like a symbol set in that text.
    const int side = qRound(fontInfo().pixelSize() * 1.1);
    return {side, side};
}

void InfoSymbol::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor blue = SystemStyle::blue(palette());
    const qreal side = width();
    const qreal stroke = side / 12;
    painter.setPen(QPen(blue, stroke));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(rect()).adjusted(stroke / 2, stroke / 2, -stroke / 2, -stroke / 2));
    painter.setPen(Qt::NoPen);
    painter.setBrush(blue);
    const qreal dot = side * 0.14;
    painter.drawEllipse(QPointF(side / 2, side * 0.3), dot / 2 + stroke / 4, dot / 2 + stroke / 4);
    painter.drawRoundedRect(QRectF(side / 2 - dot / 2, side * 0.43, dot, side * 0.33), dot / 3, dot / 3);
}
