// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "marking/OverhangingWidgetItem.h"

#include <QWidget>

OverhangingWidgetItem::OverhangingWidgetItem(QWidget* widget, QMargins overhang)
    : m_widget(widget)
    , m_overhang(overhang) {}

QSize OverhangingWidgetItem::sizeHint() const {
    return m_widget->size().shrunkBy(m_overhang);
}

bool OverhangingWidgetItem::isEmpty() const {
    return m_widget->isHidden();
}

void OverhangingWidgetItem::setGeometry(const QRect& space) {
    const QSize size = sizeHint();
    m_slot = QRect(space.x() + (space.width() - size.width()) / 2, space.y() + (space.height() - size.height()) / 2,
                   size.width(), size.height());
    m_widget->setGeometry(m_slot.marginsAdded(m_overhang));
}
