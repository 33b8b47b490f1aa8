// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "marking/ColorButton.h"

#include "marking/SoftShadow.h"
#include "marking/SystemStyle.h"
#include "marking/ViewColor.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr qreal checkMarkDiameter = 14;

} // namespace

ColorButton::ColorButton(QString colorHex, bool isSelected, std::function<void()> action, QWidget* parent)
    : QAbstractButton(parent)
    , m_colorHex(std::move(colorHex)) {
    // Checkable only so that assistive technology hears which swatch is selected.
    setCheckable(true);
    setChecked(isSelected);
    // Reached by Tab; a click must not take the focus away from the name being typed.
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
    setToolTip(m_colorHex);
    setAccessibleName(m_colorHex);
    setFixedSize(sizeHint());
    connect(this, &QAbstractButton::clicked, this, [action = std::move(action)] { action(); });
}

QSize ColorButton::sizeHint() const {
    return QSize(diameter, diameter).grownBy(overhang);
}

bool ColorButton::hitButton(const QPoint& position) const {
    return swatchRect().contains(position);
}

void ColorButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF swatch = swatchRect();
    const QColor color = viewColorFromHex(m_colorHex);
    paintCircleShadow(painter, swatch, {0, 1}, 1, 0.15);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawEllipse(swatch);
    if (isChecked()) {
        paintCheckMark(painter, color);
    }
    // The ring lies inside the swatch: the last swatch ends at its row's edge, which would cut off a ring outside.
    if (SystemStyle::showsFocusRing(*this)) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(palette().color(SystemStyle::accent), 2));
        painter.drawEllipse(swatch.adjusted(1, 1, -1, -1));
        painter.setPen(QPen(Qt::white, 1));
        painter.drawEllipse(swatch.adjusted(2.5, 2.5, -2.5, -2.5));
    }
}

// A white disc with the tick cut out of it, so the swatch's own colour shows through the tick.
void ColorButton::paintCheckMark(QPainter& painter, const QColor& swatchColor) const {
    const QPointF centre = QRectF(swatchRect()).center();
    const QRectF disc(centre.x() - checkMarkDiameter / 2, centre.y() - checkMarkDiameter / 2, checkMarkDiameter,
                      checkMarkDiameter);
    paintCircleShadow(painter, disc, {0, 0.5}, 0.5, 0.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(disc);

    QPainterPath tick;
    const qreal d = checkMarkDiameter;
    tick.moveTo(centre + QPointF(-0.24 * d, 0.01 * d));
    tick.lineTo(centre + QPointF(-0.07 * d, 0.18 * d));
    tick.lineTo(centre + QPointF(0.24 * d, -0.16 * d));
    painter.setPen(QPen(swatchColor, 0.15 * d, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(tick);
}
