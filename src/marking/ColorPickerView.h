// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "marking/Binding.h"

#include <QList>
#include <QStringList>
#include <QWidget>

class ColorButton;

// A row of round swatches, one per colour text, bound to one selected colour: the swatch whose text equals the
// bound text exactly shows the check mark, and a click writes the swatch's text into the binding. Eight swatches
// take 8 × 24 + 7 × 5 = 227 × 24; the widget is larger by ColorButton::overhang, which its layout slot leaves out.
class ColorPickerView : public QWidget {
    Q_OBJECT

public:
    static constexpr int spacing = 5;

    ColorPickerView(Binding<QString> selectedColor, QStringList colors, QWidget* parent = nullptr);

    const QList<ColorButton*>& buttons() const { return m_buttons; }
    // Marks the swatch that matches the bound colour again; its owner calls this when it changes the colour.
    void refreshSelection();

private:
    Binding<QString> m_selectedColor;
    QList<ColorButton*> m_buttons;
};
