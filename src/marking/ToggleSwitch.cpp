// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "marking/ToggleSwitch.h"

#include "marking/SoftShadow.h"
#include "marking/SystemStyle.h"

#include <QPainter>

namespace {

constexpr int knobInset = 2;
constexpr int slideMs = 120;

QColor mixed(const QColor& from, const QColor& to, qreal amount) {
    return QColor::fromRgbF(static_cast<float>(from.redF() + (to.redF() - from.redF()) * amount),
                            static_cast<float>(from.greenF() + (to.greenF() - from.greenF()) * amount),
                            static_cast<float>(from.blueF() + (to.blueF() - from.blueF()) * amount));
}

} // namespace

ToggleSwitch::ToggleSwitch(QWidget* parent)
    : QAbstractButton(parent) {
    setCheckable(true);
    setCursor(Qt::PointingHandCursor);
    setFixedSize(sizeHint());
    m_knobPosition.setDuration(slideMs);
    m_knobPosition.setEasingCurve(QEasingCurve::OutCubic);
    m_knobPosition.setStartValue(0.0);
    m_knobPosition.setEndValue(0.0);
    connect(&m_knobPosition, &QVariantAnimation::valueChanged, this, [this] { update(); });
    connect(this, &QAbstractButton::toggled, this, [this](bool on) {
        m_knobPosition.stop();
        m_knobPosition.setStartValue(m_knobPosition.currentValue());
        m_knobPosition.setEndValue(on ? 1.0 : 0.0);
        // Only a switch on screen slides; one set before it is shown starts in place.
        if (isVisible()) {
            m_knobPosition.start();
        } else {
            m_knobPosition.setCurrentTime(slideMs);
        }
    });
}

QSize ToggleSwitch::sizeHint() const {
    return trackSize.grownBy(overhang);
}

QRectF ToggleSwitch::trackRect() const {
    return QRectF(rect()).marginsRemoved(overhang);
}

void ToggleSwitch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal position = m_knobPosition.currentValue().toReal();
    const QRectF track = trackRect();
    const qreal radius = track.height() / 2;
    if (SystemStyle::showsFocusRing(*this)) {
        QColor ring = palette().color(SystemStyle::accent);
        ring.setAlphaF(0.5);
        painter.setPen(QPen(ring, 2.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(track.adjusted(-1.5, -1.5, 1.5, 1.5), radius + 1.5, radius + 1.5);
    }
    const QColor off = palette().color(SystemStyle::separator);
    painter.setPen(Qt::NoPen);
    painter.setBrush(mixed(off, palette().color(SystemStyle::accent), position));
    painter.drawRoundedRect(track, radius, radius);

    const qreal knobDiameter = track.height() - 2 * knobInset;
    const qreal travel = track.width() - 2 * knobInset - knobDiameter;
    const QRectF knob(track.left() + knobInset + travel * position, track.top() + knobInset, knobDiameter,
                      knobDiameter);
    paintCircleShadow(painter, knob, {0, 0.5}, 1, 0.25);
    painter.setBrush(Qt::white);
    painter.drawEllipse(knob);
}
