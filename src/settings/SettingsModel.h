// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "core/SpaceID.h"

#include <QString>
#include <QStringView>

#include <array>
#include <map>
#include <optional>

// The configuration of one Space.
struct SpaceConfig {
    SpaceID id = 0;
    QString name;
    QString color; // "#RRGGBB" as a rule; the text is not checked here

    bool operator==(const SpaceConfig&) const = default;
};

// Where a Space's colour is applied.
enum class ColorApplication { labelBackground, statusBarBackground };

inline constexpr std::array allColorApplications{ColorApplication::labelBackground,
                                                 ColorApplication::statusBarBackground};

QString rawValue(ColorApplication colorApplication);
std::optional<ColorApplication> colorApplicationFromRawValue(QStringView rawValue);

// Everything the program remembers between runs.
struct AppSettings {
    std::map<SpaceID, SpaceConfig> spaces; // ordered, so the stored document is stable from save to save
    ColorApplication colorApplication = ColorApplication::labelBackground;
    std::optional<QString> language;

    bool operator==(const AppSettings&) const = default;
};
