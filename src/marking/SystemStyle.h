// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QFont>
#include <QPalette>

class QWidget;

// The marking window's text styles and system colours, on one scale taken from the system font and from the active
// palette, so that the window follows the user's theme, dark ones included. Every length is in logical pixels.
namespace SystemStyle {

enum class TextStyle { caption2, caption, body, headline, monospaced };

// The system font (the fixed-pitch one for `monospaced`) at the style's size: body is the system font's own pixel
// size, kept between 12 and 16 so that the fixed-size window still fits; captions are smaller in the ratios 10/13
// and 11/13, never below 10; the headline is body-sized and bold.
QFont font(TextStyle style, QFont::Weight weight = QFont::Normal);

// Colours the palette carries, named by role, so that widgets follow a change of theme by themselves.
inline constexpr QPalette::ColorRole controlBackground = QPalette::Base;
inline constexpr QPalette::ColorRole primaryLabel = QPalette::Text;
inline constexpr QPalette::ColorRole secondaryLabel = QPalette::PlaceholderText;
inline constexpr QPalette::ColorRole separator = QPalette::Mid;
inline constexpr QPalette::ColorRole accent = QPalette::Highlight;
inline constexpr QPalette::ColorRole onAccent = QPalette::HighlightedText;

// The standard blue and green, which palettes don't carry: a light and a dark variant, picked by the palette.
QColor blue(const QPalette& palette);
QColor green(const QPalette& palette);
bool isDark(const QPalette& palette);

// Space between the children of a bar or row when the layout names none.
inline constexpr int defaultSpacing = 8;

// Whether a control should draw its focus ring: it has the focus and the user moves the focus with the keyboard, as
// the built-in styles decide.
bool showsFocusRing(const QWidget& widget);

} // namespace SystemStyle
