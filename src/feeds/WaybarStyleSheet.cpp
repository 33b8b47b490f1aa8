// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "feeds/WaybarStyleSheet.h"

#include "core/AtomicFile.h"
#include "core/Diagnostics.h"
#include "core/RegularFile.h"
#include "core/XdgConfig.h"
#include "settings/SettingsManager.h"
#include "core/ColorParsing.h"
#include "statusbar/StatusBarItemView.h"

#include <QFile>
#include <QFileInfo>

#include <map>
#include <sys/stat.h>

namespace {

// The module's name in waybar's configuration is custom/vantorel; waybar names its widget #custom-vantorel.
constexpr char moduleSelector[] = "#custom-vantorel";
// A sheet larger than this is not ours: it is replaced without being read.
constexpr qint64 largestSheet = 4 * 1024 * 1024;

QString hexRgb(const QColor& color) {
    return color.name(QColor::HexRgb);
}

QByteArray rule(const QColor& color) {
    const QString background = QStringLiteral("rgba(%1, %2, %3, %4)")
                                   .arg(color.red())
                                   .arg(color.green())
                                   .arg(color.blue())
                                   .arg(StatusBarItemView::labelAlpha);
    return QStringLiteral("%1.%2 {\n"
                          "    background-color: %3;\n"
                          "    color: #ffffff;\n"
                          "    border-radius: 4px;\n"
                          "    padding: 0 4px;\n"
                          "}\n")
        .arg(QLatin1String(moduleSelector), WaybarStyleSheet::className(color), background)
        .toUtf8();
}

QByteArray fileContent(const QString& path) {
    const RegularFile::Result file = RegularFile::read(path, largestSheet);
    if (file.outcome == RegularFile::Outcome::NotRegular) {
        Diagnostics::systemLog(QStringLiteral("❌ Replacing the waybar style sheet %1: %2").arg(path, file.error));
    }
    return file.bytes;
}

} // namespace

QString WaybarStyleSheet::className(const QColor& color) {
    return QStringLiteral("vantorel-") + hexRgb(color).mid(1);
}

bool WaybarStyleSheet::isAlwaysListed(const QColor& color) {
    const QString hex = hexRgb(color);
    return std::any_of(SettingsManager::defaultColors.cbegin(), SettingsManager::defaultColors.cend(),
                       [&hex](const QString& paletteColor) { return hexRgb(colorFromHex(paletteColor)) == hex; });
}

QByteArray WaybarStyleSheet::content(const QList<QString>& colorTexts) {
    // By "#rrggbb", so that the sheet lists each colour once and in the same order from write to write.
    std::map<QString, QColor> colors;
    for (const QString& text : SettingsManager::defaultColors) {
        const QColor color = colorFromHex(text);
        colors.emplace(hexRgb(color), color);
    }
    for (const QString& text : colorTexts) {
        const QColor color = colorFromHex(text);
        colors.emplace(hexRgb(color), color);
    }
    QByteArray sheet = QByteArrayLiteral(
        "/* Written by Vantorel for waybar's custom/vantorel module: one class per desktop colour.\n"
        "   Import it at the top of waybar's style.css: @import url(\"../vantorel/waybar.css\"); */\n");
    for (const auto& [hex, color] : colors) {
        sheet += '\n' + rule(color);
    }
    return sheet;
}

QString WaybarStyleSheet::standardPath() {
    return XdgConfig::folder(QStringLiteral("vantorel")) + QStringLiteral("/waybar.css");
}

WaybarStyleSheet::WaybarStyleSheet(QString path)
    : m_path(std::move(path)) {}

void WaybarStyleSheet::update(const AppSettings& settings) {
    QList<QString> colorTexts;
    for (const auto& [spaceID, config] : settings.spaces) {
        colorTexts.append(config.color);
    }
    const QByteArray sheet = content(colorTexts);
    if (fileContent(m_path) == sheet) {
        return;
    }
    // The settings folder exists once settings were saved; a sheet on its own creates it as private as they are.
    ::mkdir(QFile::encodeName(QFileInfo(m_path).absolutePath()).constData(), 0700);
    if (const QString error = AtomicFile::replace(m_path, sheet); !error.isEmpty()) {
        Diagnostics::systemLog(QStringLiteral("❌ Failed to write the waybar style sheet: %1: %2").arg(m_path, error));
        return;
    }
    Diagnostics::systemLog(QStringLiteral("💾 Waybar style sheet written: %1").arg(m_path));
}
