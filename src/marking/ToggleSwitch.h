// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QAbstractButton>
#include <QMargins>
#include <QVariantAnimation>

// An on/off switch: a rounded track, filled in the accent colour when on, with a white knob that slides to the on
// side. Qt has none built in. Mouse and keyboard (Tab to it, Space) turn it like any checkable button.
class ToggleSwitch : public QAbstractButton {
    Q_OBJECT

public:
    static constexpr QSize trackSize{36, 20};
    // Room around the track for the focus ring. The widget is this much larger than the track; layouts give it the
    // track's slot (OverhangingWidgetItem).
    static constexpr QMargins overhang{3, 3, 3, 3};

    explicit ToggleSwitch(QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRectF trackRect() const;

    // 0 with the knob on the off side, 1 on the on side; in between while it slides.
    QVariantAnimation m_knobPosition;
};
