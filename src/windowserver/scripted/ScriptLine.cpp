// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "windowserver/scripted/ScriptLine.h"

#include "core/JsonReader.h"

#include <QSet>

#include <bit>
#include <cmath>
#include <limits>

namespace ScriptLine {
namespace {

// About 24 days: the longest pause a timer can hold.
constexpr double longestSleepSeconds = std::numeric_limits<int>::max() / 1000.0;

Line parseSleep(const JsonValue& seconds) {
    const std::optional<double> value = seconds.toDouble();
    if (!value || !std::isfinite(*value) || *value < 0) {
        return Invalid{QStringLiteral("\"sleep\" must be a number of seconds, 0 or more")};
    }
    return Sleep{static_cast<int>(std::lround(std::min(*value, longestSleepSeconds) * 1000.0))};
}

std::optional<quint64> parseActive(const JsonValue& value) {
    if (const std::optional<quint64> unsignedValue = value.toUnsignedInteger()) {
        return unsignedValue;
    }
    if (const std::optional<qint64> signedValue = value.toInteger()) {
        return std::bit_cast<quint64>(*signedValue);
    }
    return std::nullopt;
}

// The caller has checked that both members are there.
Line parseReading(const JsonValue& object) {
    const JsonValue& spaces = *object.member(u"spaces");
    Reading reading;
    const std::optional<quint64> activeValue = parseActive(*object.member(u"active"));
    if (!activeValue) {
        return Invalid{QStringLiteral("\"active\" must be a whole number within 64 bits")};
    }
    reading.active = *activeValue;
    if (spaces.isNull()) {
        return reading;
    }
    if (!spaces.isArray()) {
        return Invalid{QStringLiteral("\"spaces\" must be a list of whole numbers, or null")};
    }
    QList<qint64> identifiers;
    identifiers.reserve(static_cast<qsizetype>(spaces.items().size()));
    for (const JsonValue& item : spaces.items()) {
        const std::optional<qint64> identifier = item.toInteger();
        if (!identifier) {
            return Invalid{QStringLiteral("every element of \"spaces\" must be a whole number within 64 bits")};
        }
        identifiers.append(*identifier);
    }
    reading.spaces = std::move(identifiers);
    return reading;
}

} // namespace

Line parse(QByteArrayView text) {
    if (text.trimmed().isEmpty()) {
        return Blank{};
    }
    const JsonParseResult parsed = parseJson(text);
    if (!parsed.value) {
        return Invalid{parsed.error};
    }
    const JsonValue& root = *parsed.value;
    if (!root.isObject()) {
        return Invalid{QStringLiteral("a line must be a JSON object")};
    }
    QSet<QString> names;
    for (const JsonValue::Member& member : root.members()) {
        names.insert(member.first);
    }
    if (names == QSet<QString>{QStringLiteral("sleep")}) {
        return parseSleep(*root.member(u"sleep"));
    }
    if (names == QSet<QString>{QStringLiteral("spaces"), QStringLiteral("active")}) {
        return parseReading(root);
    }
    return Invalid{QStringLiteral("expected {\"spaces\": [...], \"active\": N} or {\"sleep\": seconds}")};
}

} // namespace ScriptLine
