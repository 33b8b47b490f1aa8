// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QDir>
#include <QImage>
#include <QString>

// Keeps a picture of what a test saw, as `name` in the folder VANTOREL_SCREENSHOT_DIR names (to look at, or for the
// documentation); without that variable tests write no pictures.
inline void keepScreenshot(const QImage& image, const QString& name) {
    const QString folder = qEnvironmentVariable("VANTOREL_SCREENSHOT_DIR");
    if (!folder.isEmpty() && QDir().mkpath(folder)) {
        image.save(QDir(folder).filePath(name));
    }
}
