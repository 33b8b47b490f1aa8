// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "feeds/BarLabel.h"

#include "core/JsonReader.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QString nameKey = QStringLiteral("name");
const QString colorKey = QStringLiteral("color");

// Never cuts a character outside the Basic Multilingual Plane in half.
QString shortened(const QString& name, qsizetype length) {
    if (name.size() <= length) {
        return name;
    }
    return name.left(name.at(length - 1).isHighSurrogate() ? length - 1 : length);
}

} // namespace

QByteArray BarLabel::toWireLine() const {
    const QJsonObject object{{nameKey, shortened(name, maximumNameLength)}, {colorKey, color}};
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

std::optional<BarLabel> BarLabel::fromWireLine(QByteArrayView line, QString* error) {
    const auto fail = [error](const QString& reason) -> std::optional<BarLabel> {
        if (error != nullptr) {
            *error = reason;
        }
        return std::nullopt;
    };
    const JsonParseResult parsed = parseJson(line);
    if (!parsed.value) {
        return fail(parsed.error);
    }
    const JsonValue* name = parsed.value->member(nameKey);
    const JsonValue* color = parsed.value->member(colorKey);
    if (name == nullptr || color == nullptr || !name->isString() || !color->isString()) {
        return fail(QStringLiteral("not an object with the strings \"name\" and \"color\""));
    }
    return BarLabel{name->string(), color->string()};
}
