// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QMargins>
#include <QPushButton>

// A filled push button in the accent colour for the window's main action, at the large control size: its label is
// at least 100 pixels wide.
class ProminentButton : public QPushButton {
    Q_OBJECT

public:
    static constexpr int minimumLabelWidth = 100;
    // Room around the button for its focus ring. The widget is this much larger than the button; layouts give it the
    // button's slot (OverhangingWidgetItem).
    static constexpr QMargins overhang{3, 3, 3, 3};

    explicit ProminentButton(const QString& text, QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};
