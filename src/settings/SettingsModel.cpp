// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "settings/SettingsModel.h"

QString rawValue(ColorApplication colorApplication) {
    switch (colorApplication) {
    case ColorApplication::labelBackground:
        return QStringLiteral("label_background");
    case ColorApplication::statusBarBackground:
        return QStringLiteral("statusbar_background");
    }
    Q_UNREACHABLE();
    return {};
}

std::optional<ColorApplication> colorApplicationFromRawValue(QStringView text) {
    for (ColorApplication candidate : allColorApplications) {
        if (text == rawValue(candidate)) {
            return candidate;
        }
    }
    return std::nullopt;
}
