// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QPointF>
#include <QRectF>

class QPainter;

// A blurred black shadow under a circle, drawn as a radial gradient that fades from `opacity` to nothing over
// `blurRadius` on either side of the circle's edge: far cheaper than blurring an image, and alike to the eye at
// these sizes.
void paintCircleShadow(QPainter& painter, const QRectF& circle, QPointF offset, qreal blurRadius, qreal opacity);
