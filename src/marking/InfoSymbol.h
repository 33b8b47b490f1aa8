// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QWidget>

// The small "i" in a circle before the window's instruction, in the standard blue, sized to the caption text.
class InfoSymbol : public QWidget {
    Q_OBJECT

public:
    explicit InfoSymbol(QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};
