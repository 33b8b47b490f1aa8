// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

// A JSON value as written, including the text of each number, so that callers can tell 7 from 7.0 and notice
// integers beyond 64 bits (a general-purpose JSON library silently rounds both).
class JsonValue {
public:
    enum class Type { Null, Boolean, Number, String, Array, Object };
    using Member = std::pair<QString, JsonValue>;

    static JsonValue null() { return JsonValue(Type::Null); }
    static JsonValue boolean(bool value);
    static JsonValue number(QByteArray text);
    static JsonValue string(QString text);
    static JsonValue array(std::vector<JsonValue> items);
    static JsonValue object(std::vector<Member> members);

    Type type() const { return m_type; }
    bool isNull() const { return m_type == Type::Null; }
    bool isString() const { return m_type == Type::String; }
    bool isObject() const { return m_type == Type::Object; }
    bool isArray() const { return m_type == Type::Array; }

    bool toBool() const { return m_boolean; }
    // The value of a string; empty for other types.
    const QString& string() const { return m_string; }
    // A number written without fraction or exponent that fits in signed 64 bits; nothing otherwise.
    std::optional<qint64> toInteger() const;
    // The same for the range of unsigned 64-bit integers.
    std::optional<quint64> toUnsignedInteger() const;
    // The number as a double, for numbers of any form; nothing for other types.
    std::optional<double> toDouble() const;
    const std::vector<JsonValue>& items() const { return m_items; }
    const std::vector<Member>& members() const { return m_members; }
    // The last member of that name, as most readers do for duplicates; null when absent or not an object.
    const JsonValue* member(QStringView name) const;

private:
    explicit JsonValue(Type type)
        : m_type(type) {}

    Type m_type;
    bool m_boolean = false;
    QByteArray m_numberText;
    QString m_string;
    std::vector<JsonValue> m_items;
    std::vector<Member> m_members;
};

struct JsonParseResult {
    std::optional<JsonValue> value;
    QString error; // "line 3, column 7: ..." when value is empty
};

// Strict RFC 8259: UTF-8 only (a leading byte-order mark is skipped), no trailing commas, no comments, nothing but
// white space after the value, nesting limited so hostile input cannot exhaust the stack.
JsonParseResult parseJson(QByteArrayView text);
