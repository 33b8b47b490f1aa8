// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "statusbar/StatusBarItemView.h"

#include "core/ColorParsing.h"
#include "statusbar/DesktopGridSymbol.h"
#include "statusbar/RecentCache.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QtMath>

#include <algorithm>

namespace {

constexpr qreal itemHeight = 22;
constexpr qreal minimumTitleWidth = 40;
constexpr qreal symbolSide = 14;
constexpr qreal gapAfterSymbol = 4;
constexpr qreal endPadding = 8;
constexpr qreal labelCornerRadius = 4;
constexpr qreal tintAlpha = 0.3;
// A name wider than this is shown shortened with an ellipsis: a panel has no room for more, and a picture of a
// name of any length would take memory without bound. The full name stays in the tool tip and the feeds.
constexpr qreal maximumTitleWidth = 400;
// Far more characters than fit that width; measuring stops there.
constexpr qsizetype longestMeasuredTitle = 1000;

QString shownTitle(const QString& title) {
    QString measured = title.left(longestMeasuredTitle);
    if (!measured.isEmpty() && measured.back().isHighSurrogate()) {
        measured.chop(1);
    }
    if (measured.size() < title.size()) {
        measured += QChar(0x2026);
    }
    return QFontMetricsF(StatusBarItemView::textFont()).elidedText(measured, Qt::ElideRight, maximumTitleWidth);
}

struct TitleSize {
    qreal width;
    qreal height;
};

// Measuring shapes the text, and every update measures its title again: each title is measured once.
TitleSize measure(const QString& title) {
    static RecentCache<QString, TitleSize> measured;
    return measured.value(title, [&title] {
        const QFontMetricsF metrics(StatusBarItemView::textFont());
        return TitleSize{metrics.horizontalAdvance(title), metrics.height()};
    });
}

// The colour's own alpha never reaches the fills: it is replaced, not multiplied.
QColor withAlpha(QColor color, qreal alpha) {
    color.setAlphaF(alpha);
    return color;
}

// The geometry below is worked out with the origin at the bottom-left and y growing upward, as the item was first
// laid out; Qt's origin is the top-left with y growing downward. Going through here keeps every offset as laid out,
// so "one point above the centre" stays one pixel higher on screen.
QRectF fromBottomLeftOrigin(qreal x, qreal y, qreal width, qreal height, qreal viewHeight) {
    return {x, viewHeight - y - height, width, height};
}

void drawTitle(QPainter& painter, const QString& title, const QRectF& box, const QColor& color) {
    painter.setFont(StatusBarItemView::textFont());
    painter.setPen(color);
    // The box is exactly as wide as the text's advance; glyphs that overhang it must not be cut off.
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip, title);
}

} // namespace

StatusBarItemView::StatusBarItemView(QString title, QString color, ColorApplication mode, QWidget* parent)
    : QWidget(parent)
    , m_title(std::move(title))
    , m_shownTitle(shownTitle(m_title))
    , m_color(std::move(color))
    , m_mode(mode) {}

QFont StatusBarItemView::textFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    // 13 in the unit of every other length of the item, the logical pixel. In typographic points the text would
    // grow with the screen's DPI setting (17 pixels at 96 DPI) and its label would no longer fit the 22-pixel item.
    font.setPixelSize(13);
    font.setWeight(QFont::Medium);
    return font;
}

QSizeF StatusBarItemView::intrinsicContentSize() const {
    const qreal titleWidth = std::max(measure(m_shownTitle).width, minimumTitleWidth);
    return {titleWidth + symbolSide + gapAfterSymbol + 2 * endPadding, itemHeight};
}

QSize StatusBarItemView::sizeHint() const {
    const QSizeF size = intrinsicContentSize();
    return {qCeil(size.width()), qCeil(size.height())};
}

void StatusBarItemView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor baseColor = colorFromHex(m_color);
    if (m_mode == ColorApplication::labelBackground) {
        paintLabel(painter, baseColor);
    } else {
        paintTint(painter, baseColor);
    }
}

void StatusBarItemView::paintLabel(QPainter& painter, const QColor& baseColor) const {
    const auto [textWidth, textHeight] = measure(m_shownTitle);
    const qreal viewWidth = width();
    const qreal viewHeight = height();

    painter.setPen(Qt::NoPen);
    painter.setBrush(withAlpha(baseColor, labelAlpha));
    const QRectF label =
        fromBottomLeftOrigin(0, (viewHeight - textHeight) * 0.5 - 2, viewWidth, textHeight + 4, viewHeight);
    painter.drawRoundedRect(label, labelCornerRadius, labelCornerRadius);

    // Titles narrower than the minimum are centred together with the symbol.
    const qreal left = (viewWidth - (textWidth + symbolSide + gapAfterSymbol)) * 0.5;
    const QRectF symbol =
        fromBottomLeftOrigin(left, (viewHeight - symbolSide) * 0.5 + 1, symbolSide, symbolSide, viewHeight);
    drawDesktopGridSymbol(painter, symbol, Qt::white);
    const QRectF text = fromBottomLeftOrigin(left + symbolSide + gapAfterSymbol, (viewHeight - textHeight) * 0.5 + 1,
                                             textWidth, textHeight, viewHeight);
    drawTitle(painter, m_shownTitle, text, Qt::white);
}

void StatusBarItemView::paintTint(QPainter& painter, const QColor& baseColor) const {
    const auto [textWidth, textHeight] = measure(m_shownTitle);
    const qreal viewWidth = width();
    const qreal viewHeight = height();

    painter.fillRect(rect(), withAlpha(baseColor, tintAlpha));
    const QRectF text = fromBottomLeftOrigin((viewWidth - textWidth) * 0.5, (viewHeight - textHeight) * 0.5 + 1,
                                             textWidth, textHeight, viewHeight);
    drawTitle(painter, m_shownTitle, text, palette().color(QPalette::WindowText));
}
