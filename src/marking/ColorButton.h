// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QAbstractButton>
#include <QMargins>

#include <functional>

// One swatch of the palette: a 24-pixel round button in its colour with a soft drop shadow, and a white check mark
// when selected. Its colour hex text is its tool tip and accessible name. Whether it is selected comes from its
// owner, never from being clicked: a click only runs the action.
class ColorButton : public QAbstractButton {
    Q_OBJECT

public:
    static constexpr int diameter = 24;
    // Room around the swatch for its shadow. The widget is this much larger than the swatch; layouts give it the
    // swatch's slot (OverhangingWidgetItem).
    static constexpr QMargins overhang{2, 2, 2, 2};

    ColorButton(QString colorHex, bool isSelected, std::function<void()> action, QWidget* parent = nullptr);

    const QString& colorHex() const { return m_colorHex; }
    bool isSelected() const { return isChecked(); }
    void setSelected(bool selected) { setChecked(selected); }
    // The 24 × 24 swatch within the widget.
    QRect swatchRect() const { return rect().marginsRemoved(overhang); }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& position) const override;
    // A click never marks the swatch by itself: its owner decides from the colour the action stores.
    void nextCheckState() override {}

private:
    void paintCheckMark(QPainter& painter, const QColor& swatchColor) const;

    const QString m_colorHex;
};
