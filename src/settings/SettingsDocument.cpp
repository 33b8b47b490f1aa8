// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "settings/SettingsDocument.h"

#include "core/JsonReader.h"

#include <algorithm>
#include <charconv>

namespace SettingsDocument {
namespace {

void appendUtf8(QByteArray& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

void appendEscapedUnit(QByteArray& out, char16_t unit) {
    static constexpr char hexDigits[] = "0123456789abcdef";
    out += "\\u";
    for (int shift = 12; shift >= 0; shift -= 4) {
        out += hexDigits[(unit >> shift) & 0xF];
    }
}

// JSON string with the escapes JSON requires; everything else as UTF-8. A lone surrogate cannot be UTF-8, so it
// is written as its \u escape, which reads back to the same text.
void appendString(QByteArray& out, QStringView text) {
    out += '"';
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i].unicode();
        if (unit >= 0x20 && unit < 0x80 && unit != u'"' && unit != u'\\') {
            out += static_cast<char>(unit);
            continue;
        }
        switch (unit) {
        case u'"':
            out += "\\\"";
            continue;
        case u'\\':
            out += "\\\\";
            continue;
        case u'\b':
            out += "\\b";
            continue;
        case u'\f':
            out += "\\f";
            continue;
        case u'\n':
            out += "\\n";
            continue;
        case u'\r':
            out += "\\r";
            continue;
        case u'\t':
            out += "\\t";
            continue;
        default:
            break;
        }
        if (unit < 0x20) {
            appendEscapedUnit(out, unit);
        } else if (QChar::isHighSurrogate(unit) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            appendUtf8(out, QChar::surrogateToUcs4(unit, text[i + 1].unicode()));
            ++i;
        } else if (QChar::isSurrogate(unit)) {
            appendEscapedUnit(out, unit);
        } else {
            appendUtf8(out, unit);
        }
    }
    out += '"';
}

// Member names are our own ASCII field names or decimal numbers: nothing to escape.
void appendMemberName(QByteArray& out, int depth, QByteArrayView name) {
    out.append(depth * 2, ' ');
    out += '"';
    out += name;
    out += "\" : ";
}

// "-7", "007" and "+3" name Spaces; blanks, fractions and anything beyond 64 bits do not.
std::optional<SpaceID> parseSpaceKey(QStringView key) {
    const bool signed_ = key.startsWith(u'-') || key.startsWith(u'+');
    const QStringView digits = signed_ ? key.mid(1) : key;
    const auto isDigit = [](QChar c) {
        return c >= u'0' && c <= u'9';
    };
    if (digits.isEmpty() || !std::all_of(digits.begin(), digits.end(), isDigit)) {
        return std::nullopt;
    }
    // from_chars takes a minus but no plus.
    const QByteArray text = key.startsWith(u'+') ? digits.toLatin1() : key.toLatin1();
    SpaceID value = 0;
    const char* end = text.constData() + text.size();
    const auto [ptr, error] = std::from_chars(text.constData(), end, value);
    if (error != std::errc() || ptr != end) {
        return std::nullopt;
    }
    return value;
}

std::optional<QString> requireString(const JsonValue& object, QStringView name, QString& error) {
    const JsonValue* value = object.member(name);
    if (value == nullptr || !value->isString()) {
        error = QStringLiteral("\"%1\" must be a string").arg(name);
        return std::nullopt;
    }
    return value->string();
}

std::optional<SpaceConfig> decodeSpaceConfig(const JsonValue& value, QString& error) {
    if (!value.isObject()) {
        error = QStringLiteral("a Space's configuration must be an object");
        return std::nullopt;
    }
    const JsonValue* id = value.member(u"id");
    const std::optional<qint64> spaceID = id != nullptr ? id->toInteger() : std::nullopt;
    if (!spaceID) {
        error = QStringLiteral("\"id\" must be a whole number within 64 bits");
        return std::nullopt;
    }
    const std::optional<QString> name = requireString(value, u"name", error);
    const std::optional<QString> color = name ? requireString(value, u"color", error) : std::nullopt;
    if (!color) {
        return std::nullopt;
    }
    return SpaceConfig{*spaceID, *name, *color};
}

void appendSpaceConfig(QByteArray& out, int depth, const SpaceConfig& config) {
    out += "{\n";
    appendMemberName(out, depth + 1, "id");
    out += QByteArray::number(config.id);
    out += ",\n";
    appendMemberName(out, depth + 1, "name");
    appendString(out, config.name);
    out += ",\n";
    appendMemberName(out, depth + 1, "color");
    appendString(out, config.color);
    out += '\n';
    out.append(depth * 2, ' ');
    out += '}';
}

} // namespace

QByteArray encode(const AppSettings& settings) {
    QByteArray out;
    out.reserve(64 + static_cast<qsizetype>(settings.spaces.size()) * 128);
    out += "{\n";
    appendMemberName(out, 1, "spaces");
    if (settings.spaces.empty()) {
        out += "{}";
    } else {
        out += "{\n";
        bool first = true;
        for (const auto& [key, config] : settings.spaces) {
            if (!first) {
                out += ",\n";
            }
            first = false;
            appendMemberName(out, 2, QByteArray::number(key));
            appendSpaceConfig(out, 2, config);
        }
        out += "\n  }";
    }
    out += ",\n";
    appendMemberName(out, 1, "colorApplication");
    appendString(out, rawValue(settings.colorApplication));
    if (settings.language) {
        out += ",\n";
        appendMemberName(out, 1, "language");
        appendString(out, *settings.language);
    }
    out += "\n}";
    return out;
}

DecodeResult decode(QByteArrayView document) {
    JsonParseResult parsed = parseJson(document);
    if (!parsed.value) {
        return {std::nullopt, parsed.error};
    }
    const JsonValue& root = *parsed.value;
    if (!root.isObject()) {
        return {std::nullopt, QStringLiteral("the document must be a JSON object")};
    }

    AppSettings settings;
    const JsonValue* spaces = root.member(u"spaces");
    if (spaces == nullptr || !spaces->isObject()) {
        return {std::nullopt, QStringLiteral("\"spaces\" must be an object")};
    }
    for (const auto& [key, value] : spaces->members()) {
        const std::optional<SpaceID> spaceID = parseSpaceKey(key);
        if (!spaceID) {
            return {std::nullopt, QStringLiteral("\"%1\" in \"spaces\" is not a Space number").arg(key)};
        }
        QString error;
        std::optional<SpaceConfig> config = decodeSpaceConfig(value, error);
        if (!config) {
            return {std::nullopt, QStringLiteral("Space %1: %2").arg(key, error)};
        }
        settings.spaces.insert_or_assign(*spaceID, std::move(*config));
    }

    const JsonValue* colorApplication = root.member(u"colorApplication");
    const std::optional<ColorApplication> mode = colorApplication != nullptr && colorApplication->isString()
                                                     ? colorApplicationFromRawValue(colorApplication->string())
                                                     : std::nullopt;
    if (!mode) {
        return {std::nullopt,
                QStringLiteral("\"colorApplication\" must be \"label_background\" or \"statusbar_background\"")};
    }
    settings.colorApplication = *mode;

    if (const JsonValue* language = root.member(u"language"); language != nullptr && !language->isNull()) {
        if (!language->isString()) {
            return {std::nullopt, QStringLiteral("\"language\" must be a string or null")};
        }
        settings.language = language->string();
    }
    return {std::move(settings), QString()};
}

QByteArray encodeList(const QList<SpaceConfig>& configs) {
    QByteArray out = "{\n";
    appendMemberName(out, 1, "removed");
    out += '[';
    for (qsizetype i = 0; i < configs.size(); ++i) {
        out += i == 0 ? "\n    " : ",\n    ";
        appendSpaceConfig(out, 2, configs[i]);
    }
    out += configs.isEmpty() ? "]\n}" : "\n  ]\n}";
    return out;
}

std::optional<QList<SpaceConfig>> decodeList(QByteArrayView document) {
    const JsonParseResult parsed = parseJson(document);
    const JsonValue* list = parsed.value && parsed.value->isObject() ? parsed.value->member(u"removed") : nullptr;
    if (list == nullptr || !list->isArray()) {
        return std::nullopt;
    }
    QList<SpaceConfig> configs;
    for (const JsonValue& item : list->items()) {
        QString error;
        std::optional<SpaceConfig> config = decodeSpaceConfig(item, error);
        if (!config) {
            return std::nullopt;
        }
        configs.append(std::move(*config));
    }
    return configs;
}

} // namespace SettingsDocument
