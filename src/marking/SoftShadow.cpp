// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "marking/SoftShadow.h"

#include <QPainter>
#include <QRadialGradient>

void paintCircleShadow(QPainter& painter, const QRectF& circle, QPointF offset, qreal blurRadius, qreal opacity) {
    const QPointF centre = circle.center() + offset;
    const qreal radius = circle.width() / 2;
    const qreal outer = radius + blurRadius;
    QRadialGradient gradient(centre, outer);
    QColor shadow(Qt::black);
    shadow.setAlphaF(static_cast<float>(opacity));
    gradient.setColorAt((radius - blurRadius) / outer, shadow);
    shadow.setAlphaF(0);
    gradient.setColorAt(1, shadow);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawEllipse(centre, outer, outer);
    painter.restore();
}
