// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QColor>
#include <QString>

// The marking window's colour for a colour hex string, in sRGB. It reads the text exactly as the status bar does
// (hexColorComponents): anything unreadable is opaque black.
QColor viewColorFromHex(const QString& text);
