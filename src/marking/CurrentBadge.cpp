// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "marking/CurrentBadge.h"

#include "marking/SystemStyle.h"
#include "core/LocalizedTexts.h"
#include "core/TextKeys.h"

#include <QPainter>

namespace {

constexpr int horizontalPadding = 7;
constexpr int verticalPadding = 2;
constexpr qreal cornerRadius = 3;

} // namespace

CurrentBadge::CurrentBadge(bool isCurrent, QWidget* parent)
    : QLabel(parent) {
    setFont(SystemStyle::font(SystemStyle::TextStyle::caption2, QFont::Medium));
    setFixedWidth(slotWidth);
    setCurrent(isCurrent);
}

void CurrentBadge::setCurrent(bool isCurrent) {
    setText(isCurrent ? LocalizedTexts::localized(TextKeys::currentBadge) : QString());
}

QSize CurrentBadge::sizeHint() const {
    return {slotWidth, fontMetrics().height() + 2 * verticalPadding};
}

QRect CurrentBadge::badgeRect() const {
    if (text().isEmpty()) {
        return {};
    }
    const QSize size(fontMetrics().horizontalAdvance(text()) + 2 * horizontalPadding,
                     fontMetrics().height() + 2 * verticalPadding);
    return {QPoint(0, (height() - size.height()) / 2), size};
}

void CurrentBadge::paintEvent(QPaintEvent*) {
    const QRect badge = badgeRect();
    if (badge.isEmpty()) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(SystemStyle::green(palette()));
    painter.drawRoundedRect(badge, cornerRadius, cornerRadius);
    painter.setPen(Qt::white);
    painter.drawText(badge, Qt::AlignCenter | Qt::TextSingleLine, text());
}
