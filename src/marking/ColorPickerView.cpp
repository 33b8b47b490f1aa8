// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "marking/ColorPickerView.h"

#include "marking/ColorButton.h"

ColorPickerView::ColorPickerView(Binding<QString> selectedColor, QStringList colors, QWidget* parent)
    : QWidget(parent)
    , m_selectedColor(std::move(selectedColor)) {
    const QString selected = m_selectedColor.get();
    int left = 0;
    for (const QString& color : colors) {
        auto* button = new ColorButton(
            color, color == selected,
            [this, color] {
                m_selectedColor.set(color);
                refreshSelection();
            },
            this);
        button->move(left, 0);
        left += ColorButton::diameter + spacing;
        m_buttons.append(button);
    }
    const int width = colors.isEmpty() ? 0 : left - spacing;
    setFixedSize(QSize(width, ColorButton::diameter).grownBy(ColorButton::overhang));
}

void ColorPickerView::refreshSelection() {
    const QString selected = m_selectedColor.get();
    for (ColorButton* button : m_buttons) {
        button->setSelected(button->colorHex() == selected);
    }
}
