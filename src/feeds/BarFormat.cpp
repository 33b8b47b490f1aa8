// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "feeds/BarFormat.h"

#include "feeds/WaybarStyleSheet.h"
#include "core/ColorParsing.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <array>

namespace BarFormats {
namespace {

const std::array<std::pair<QLatin1StringView, BarFormat>, 4> formatNames{{
    {QLatin1StringView("waybar"), BarFormat::Waybar},
    {QLatin1StringView("polybar"), BarFormat::Polybar},
    {QLatin1StringView("i3blocks"), BarFormat::I3blocks},
    {QLatin1StringView("plain"), BarFormat::Plain},
}};

const QString labelTextColor = QStringLiteral("#ffffff");

// Control characters and line or paragraph separators would break the label over lines (Pango breaks at U+2028).
// A lone surrogate has no UTF-8 form: written as a "\ud800" escape it makes strict JSON readers refuse the line.
QString singleLine(QString name) {
    for (qsizetype i = 0; i < name.size(); ++i) {
        QChar& character = name[i];
        if (character.isHighSurrogate() && i + 1 < name.size() && name[i + 1].isLowSurrogate()) {
            ++i;
            continue;
        }
        if (character.isSurrogate()) {
            character = QChar::ReplacementCharacter;
            continue;
        }
        switch (character.category()) {
        case QChar::Other_Control:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph:
            character = QLatin1Char(' ');
            break;
        default:
            break;
        }
    }
    return name;
}

QString padded(const QString& text) {
    return QLatin1Char(' ') + text + QLatin1Char(' ');
}

// "&" first, so that the other entities stay as written.
QString pangoEscaped(QString text) {
    return text.replace(QLatin1Char('&'), QStringLiteral("&amp;"))
        .replace(QLatin1Char('<'), QStringLiteral("&lt;"))
        .replace(QLatin1Char('>'), QStringLiteral("&gt;"))
        .replace(QLatin1Char('\''), QStringLiteral("&#39;"))
        .replace(QLatin1Char('"'), QStringLiteral("&quot;"));
}

// polybar 3.6 has no escape for "%" and 3.7 reads "%%" as one: with a zero-width space after every "%", neither
// "%{" nor "%%" can come from a name, and both show the name as written.
QString polybarLiteral(QString text) {
    return text.replace(QLatin1Char('%'), QStringLiteral("%\u200B"));
}

QByteArray compactJson(const QJsonObject& object) {
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

// Markup that draws the label by itself: the text on the colour, in white.
QString pangoLabel(const QColor& color, const QString& markup) {
    return QStringLiteral("<span background='") + color.name(QColor::HexRgb) + QStringLiteral("' foreground='") +
           labelTextColor + QStringLiteral("'>") + markup + QStringLiteral("</span>");
}

QByteArray waybarLine(const QString& name, const QColor& color) {
    const QString markup = pangoEscaped(name);
    // Waybar reads its style sheet only when it starts, so a colour chosen later may have no class there yet.
    const QString text = WaybarStyleSheet::isAlwaysListed(color) ? padded(markup) : pangoLabel(color, padded(markup));
    return compactJson({{QStringLiteral("text"), text},
                        {QStringLiteral("tooltip"), markup},
                        {QStringLiteral("class"), WaybarStyleSheet::className(color)},
                        {QStringLiteral("alt"), color.name(QColor::HexRgb)}});
}

QByteArray polybarLine(const QString& name, const QColor& color) {
    const QString text = QStringLiteral("%{B") + color.name(QColor::HexRgb) + QStringLiteral("}%{F") + labelTextColor +
                         QLatin1Char('}') + padded(polybarLiteral(name)) + QStringLiteral("%{F-}%{B-}");
    return text.toUtf8();
}

// i3blocks 1.4 (Debian 12's) passes on only some of a block's keys, "background" and "border" not among them, and
// copies string escapes without reading them (a backslash shows doubled, an escaped quote breaks the line). So the
// colour goes into Pango markup, and the name needs no JSON escape: its quotes and backslashes are Pango entities.
QByteArray i3blocksLine(const QString& name, const QColor& color) {
    const QString markup = pangoEscaped(name).replace(QLatin1Char('\\'), QStringLiteral("&#92;"));
    return compactJson({{QStringLiteral("full_text"), pangoLabel(color, padded(markup))},
                        {QStringLiteral("markup"), QStringLiteral("pango")}});
}

} // namespace

std::optional<BarFormat> named(QStringView name) {
    for (const auto& [candidate, format] : formatNames) {
        if (name == candidate) {
            return format;
        }
    }
    return std::nullopt;
}

QString name(BarFormat format) {
    for (const auto& [candidate, named] : formatNames) {
        if (named == format) {
            return candidate;
        }
    }
    return {};
}

QString allNames() {
    QStringList names;
    for (const auto& [candidate, format] : formatNames) {
        names.append(candidate);
    }
    const QString last = names.takeLast();
    return names.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last;
}

QByteArray labelLine(BarFormat format, const BarLabel& label) {
    const QString name = singleLine(label.name);
    const QColor color = colorFromHex(label.color);
    switch (format) {
    case BarFormat::Waybar:
        return waybarLine(name, color);
    case BarFormat::Polybar:
        return polybarLine(name, color);
    case BarFormat::I3blocks:
        return i3blocksLine(name, color);
    case BarFormat::Plain:
        break;
    }
    return name.toUtf8();
}

QByteArray emptyLine(BarFormat format) {
    // i3blocks keeps a block's last text after a line that is no JSON object.
    return format == BarFormat::I3blocks ? compactJson({{QStringLiteral("full_text"), QString()}}) : QByteArray();
}

} // namespace BarFormats
