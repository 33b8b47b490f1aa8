// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "marking/SystemStyle.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QWidget>

#include <algorithm>

namespace SystemStyle {
namespace {

constexpr int smallestBody = 12;
constexpr int largestBody = 16;
constexpr int smallestCaption = 10;

int bodyPixelSize() {
    const int systemSize = QFontInfo(QFontDatabase::systemFont(QFontDatabase::GeneralFont)).pixelSize();
    return std::clamp(systemSize, smallestBody, largestBody);
}

int captionPixelSize(int body, double ratio) {
    return std::max(smallestCaption, qRound(body * ratio));
}

} // namespace

QFont font(TextStyle style, QFont::Weight weight) {
    const int body = bodyPixelSize();
    QFont font = QFontDatabase::systemFont(style == TextStyle::monospaced ? QFontDatabase::FixedFont
                                                                          : QFontDatabase::GeneralFont);
    switch (style) {
    case TextStyle::caption2:
        font.setPixelSize(captionPixelSize(body, 10.0 / 13));
        break;
    case TextStyle::caption:
        font.setPixelSize(captionPixelSize(body, 11.0 / 13));
        break;
    case TextStyle::body:
    case TextStyle::monospaced:
        font.setPixelSize(body);
        break;
    case TextStyle::headline:
        font.setPixelSize(body);
        weight = std::max(weight, QFont::Bold);
        break;
    }
    font.setWeight(weight);
    return font;
}

bool isDark(const QPalette& palette) {
    return palette.color(QPalette::Window).lightness() < 128;
}

QColor blue(const QPalette& palette) {
    return isDark(palette) ? QColor(10, 132, 255) : QColor(0, 122, 255);
}

QColor green(const QPalette& palette) {
    return isDark(palette) ? QColor(50, 215, 75) : QColor(40, 205, 65);
}

bool showsFocusRing(const QWidget& widget) {
    return widget.hasFocus() && widget.window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

} // namespace SystemStyle
