// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QLabel>

// The 62-pixel slot after a row's number: the green "current" badge at its leading edge when the row's Space is the
// active one, otherwise empty. The slot keeps its width either way, so the name fields of all rows line up.
class CurrentBadge : public QLabel {
    Q_OBJECT

public:
    static constexpr int slotWidth = 62;

    explicit CurrentBadge(bool isCurrent, QWidget* parent = nullptr);

    void setCurrent(bool isCurrent);
    bool isCurrent() const { return !text().isEmpty(); }
    // The green rounded rectangle, empty when the slot is.
    QRect badgeRect() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};
