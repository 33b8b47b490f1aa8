// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QLayoutItem>
#include <QMargins>

// A fixed-size widget whose drawing reaches beyond its slot in a layout, such as a shadow or a focus ring: the layout
// reserves only the slot, centred in the space it offers, and the widget gets the slot grown by the overhang, so
// nothing is clipped and neighbours keep their designed distances.
class OverhangingWidgetItem : public QLayoutItem {
public:
    OverhangingWidgetItem(QWidget* widget, QMargins overhang);

    QSize sizeHint() const override;
    QSize minimumSize() const override { return sizeHint(); }
    QSize maximumSize() const override { return sizeHint(); }
    Qt::Orientations expandingDirections() const override { return {}; }
    bool isEmpty() const override;
    void setGeometry(const QRect& space) override;
    QRect geometry() const override { return m_slot; }
    QWidget* widget() const override { return m_widget; }

private:
    QWidget* const m_widget;
    const QMargins m_overhang;
    QRect m_slot;
};
