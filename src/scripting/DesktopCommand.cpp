// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "scripting/DesktopCommand.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <array>

namespace {

const std::array<std::pair<QLatin1StringView, DesktopCommand::Verb>, 4> verbNames{{
    {QLatin1StringView("list"), DesktopCommand::Verb::List},
    {QLatin1StringView("rename"), DesktopCommand::Verb::Rename},
    {QLatin1StringView("recolor"), DesktopCommand::Verb::Recolor},
    {QLatin1StringView("switch"), DesktopCommand::Verb::Switch},
}};

std::optional<QJsonObject> objectOf(QByteArrayView line) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(line.toByteArray(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        return std::nullopt;
    }
    return document.object();
}

QByteArray lineOf(const QJsonObject& object) {
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

} // namespace

std::optional<DesktopCommand::Verb> DesktopCommand::verbNamed(QStringView name) {
    for (const auto& [candidate, verb] : verbNames) {
        if (name == candidate) {
            return verb;
        }
    }
    return std::nullopt;
}

QByteArray DesktopCommand::toLine() const {
    QString verbName;
    for (const auto& [candidate, named] : verbNames) {
        if (named == verb) {
            verbName = candidate;
        }
    }
    // The desktop travels as text: a SpaceID may need all 64 bits, more than a JSON number keeps everywhere.
    return lineOf({{QStringLiteral("verb"), verbName},
                   {QStringLiteral("json"), json},
                   {QStringLiteral("byId"), bySpaceID},
                   {QStringLiteral("desktop"), QString::number(desktop)},
                   {QStringLiteral("value"), value}});
}

std::optional<DesktopCommand> DesktopCommand::fromLine(QByteArrayView line) {
    const std::optional<QJsonObject> object = objectOf(line);
    if (!object) {
        return std::nullopt;
    }
    const std::optional<Verb> verb = verbNamed(object->value(QStringLiteral("verb")).toString());
    bool numeric = false;
    const qint64 desktop = object->value(QStringLiteral("desktop")).toString().toLongLong(&numeric);
    if (!verb || !numeric) {
        return std::nullopt;
    }
    return DesktopCommand{*verb, object->value(QStringLiteral("json")).toBool(),
                          object->value(QStringLiteral("byId")).toBool(), desktop,
                          object->value(QStringLiteral("value")).toString()};
}

QByteArray DesktopCommandReply::toLine() const {
    return lineOf(
        {{QStringLiteral("status"), status}, {QStringLiteral("output"), output}, {QStringLiteral("error"), error}});
}

std::optional<DesktopCommandReply> DesktopCommandReply::fromLine(QByteArrayView line) {
    const std::optional<QJsonObject> object = objectOf(line);
    if (!object || !object->value(QStringLiteral("status")).isDouble()) {
        return std::nullopt;
    }
    return DesktopCommandReply{object->value(QStringLiteral("status")).toInt(),
                               object->value(QStringLiteral("output")).toString(),
                               object->value(QStringLiteral("error")).toString()};
}
