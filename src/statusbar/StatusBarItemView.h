// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "settings/SettingsModel.h"

#include <QFont>
#include <QSizeF>
#include <QString>
#include <QWidget>

// What the status item shows: the active desktop's name on a rounded label in its colour with the desktop symbol
// before it, or, in the other colour mode, the name alone on the whole item tinted in that colour. Knows nothing
// of desktops or settings; the status bar controller makes a new one for every update.
class StatusBarItemView : public QWidget {
    Q_OBJECT

public:
    // How opaque the label is, whatever the colour's own alpha; the tray icon's square form matches it.
    static constexpr qreal labelAlpha = 0.9;

    StatusBarItemView(QString title, QString color, ColorApplication mode, QWidget* parent = nullptr);

    const QString& title() const { return m_title; }
    const QString& color() const { return m_color; }
    ColorApplication mode() const { return m_mode; }

    // Width from the title (never narrower than 40, never wider than 400: a longer title is elided) plus room for the
    // symbol and the ends; always 22 high.
    QSizeF intrinsicContentSize() const;
    QSize sizeHint() const override;

    // The font of the title, for measuring and drawing alike.
    static QFont textFont();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintLabel(QPainter& painter, const QColor& baseColor) const;
    void paintTint(QPainter& painter, const QColor& baseColor) const;

    const QString m_title;
    const QString m_shownTitle; // elided when too wide
    const QString m_color;
    const ColorApplication m_mode;
};
