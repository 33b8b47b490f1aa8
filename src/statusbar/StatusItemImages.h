// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QImage>
#include <QString>

class StatusBarItemView;

// The status item as pictures, for panels that show an image rather than a widget of ours.

// The view at its intrinsic size, on a transparent background; the view is resized to that size first. Works
// offscreen, with no window shown.
QImage renderItemView(StatusBarItemView& view, qreal devicePixelRatio = 1);
