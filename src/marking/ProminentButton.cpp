// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "marking/ProminentButton.h"

#include "marking/SystemStyle.h"

#include <QPainter>

#include <algorithm>

namespace {

// The label's own padding, then the large control's inset around it.
constexpr int labelVerticalPadding = 4;
constexpr QMargins controlInset{12, 5, 12, 5};
constexpr qreal cornerRadius = 6;

} // namespace

ProminentButton::ProminentButton(const QString& text, QWidget* parent)
    : QPushButton(text, parent) {
    setFont(SystemStyle::font(SystemStyle::TextStyle::body));
    setCursor(Qt::PointingHandCursor);
    setFixedSize(sizeHint());
}

QSize ProminentButton::sizeHint() const {
    const QSize label(std::max(minimumLabelWidth, fontMetrics().horizontalAdvance(text())),
                      fontMetrics().height() + 2 * labelVerticalPadding);
    return label.grownBy(controlInset).grownBy(overhang);
}

void ProminentButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF body = QRectF(rect()).marginsRemoved(overhang);
    const QColor accent = palette().color(SystemStyle::accent);
    if (SystemStyle::showsFocusRing(*this)) {
        QColor ring = accent;
        ring.setAlphaF(0.5);
        painter.setPen(QPen(ring, 2.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(body.adjusted(-1.5, -1.5, 1.5, 1.5), cornerRadius + 1.5, cornerRadius + 1.5);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(isDown() ? accent.darker(120) : accent);
    painter.drawRoundedRect(body, cornerRadius, cornerRadius);
    painter.setPen(palette().color(SystemStyle::onAccent));
    painter.drawText(body, Qt::AlignCenter | Qt::TextSingleLine, text());
}
