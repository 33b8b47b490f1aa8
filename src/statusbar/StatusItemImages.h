// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QImage>
#include <QString>

class StatusBarItemView;

// The status item as pictures, for panels that show an image rather than a widget of ours.

// The item's square form: the desktop symbol on a rounded square in the label's colour, without the title. Tray
// hosts draw every icon square at 17 or 22 pixels, where a wide label would be squeezed into unreadable pixels.
QImage renderTrayIcon(const QString& color, int sizePx, qreal devicePixelRatio = 1);

// The view at its intrinsic size, on a transparent background; the view is resized to that size first. Works
// offscreen, with no window shown.
QImage renderItemView(StatusBarItemView& view, qreal devicePixelRatio = 1);
