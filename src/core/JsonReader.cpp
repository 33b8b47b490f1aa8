// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "core/JsonReader.h"

#include <QStringDecoder>

#include <charconv>

namespace {

constexpr int maximumDepth = 512;

// Outside strings any byte above 0x7F is a syntax error anyway, so only string contents need decoding.
std::optional<QString> decodeUtf8(QByteArrayView bytes, bool ascii) {
    if (ascii) {
        return QString::fromLatin1(bytes);
    }
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError()) {
        return std::nullopt;
    }
    return text;
}

class Parser {
public:
    explicit Parser(QByteArrayView text)
        : m_begin(text.data())
        , m_pos(text.data())
        , m_end(text.data() + text.size()) {}

    JsonParseResult run() {
        if (m_end - m_pos >= 3 && QByteArrayView(m_pos, 3) == "\xEF\xBB\xBF") {
            m_pos += 3;
        }
        std::optional<JsonValue> value = parseValue(0);
        if (value) {
            skipWhitespace();
            if (m_pos != m_end) {
                return failure("unexpected text after the document");
            }
            return {std::move(value), QString()};
        }
        return {std::nullopt, m_error};
    }

private:
    JsonParseResult failure(const char* message) {
        fail(message);
        return {std::nullopt, m_error};
    }

    std::nullopt_t fail(const char* message) {
        if (m_error.isEmpty()) {
            int line = 1;
            int column = 1;
            for (const char* p = m_begin; p < m_pos; ++p) {
                if (*p == '\n') {
                    ++line;
                    column = 1;
                } else if ((static_cast<unsigned char>(*p) & 0xC0) != 0x80) {
                    ++column;
                }
            }
            m_error = QStringLiteral("line %1, column %2: %3").arg(line).arg(column).arg(QLatin1String(message));
        }
        return std::nullopt;
    }

    void skipWhitespace() {
        while (m_pos != m_end && (*m_pos == ' ' || *m_pos == '\t' || *m_pos == '\n' || *m_pos == '\r')) {
            ++m_pos;
        }
    }

    bool consumeLiteral(QByteArrayView literal) {
        if (m_end - m_pos < literal.size() || QByteArrayView(m_pos, literal.size()) != literal) {
            return false;
        }
        m_pos += literal.size();
        return true;
    }

    std::optional<JsonValue> parseValue(int depth) {
        skipWhitespace();
        if (m_pos == m_end) {
            return fail("unexpected end of text");
        }
        switch (*m_pos) {
        case '{':
            return parseObject(depth + 1);
        case '[':
            return parseArray(depth + 1);
        case '"': {
            std::optional<QString> text = parseString();
            if (!text) {
                return std::nullopt;
            }
            return JsonValue::string(std::move(*text));
        }
        case 't':
            if (consumeLiteral("true")) {
                return JsonValue::boolean(true);
            }
            break;
        case 'f':
            if (consumeLiteral("false")) {
                return JsonValue::boolean(false);
            }
            break;
        case 'n':
            if (consumeLiteral("null")) {
                return JsonValue::null();
            }
            break;
        default:
            if (*m_pos == '-' || (*m_pos >= '0' && *m_pos <= '9')) {
                return parseNumber();
            }
        }
        return fail("unexpected character");
    }

    std::optional<JsonValue> parseObject(int depth) {
        if (depth > maximumDepth) {
            return fail("nested too deeply");
        }
        ++m_pos; // '{'
        std::vector<JsonValue::Member> members;
        skipWhitespace();
        if (m_pos != m_end && *m_pos == '}') {
            ++m_pos;
            return JsonValue::object(std::move(members));
        }
        for (;;) {
            skipWhitespace();
            if (m_pos == m_end || *m_pos != '"') {
                return fail("expected a member name");
            }
            std::optional<QString> name = parseString();
            if (!name) {
                return std::nullopt;
            }
            skipWhitespace();
            if (m_pos == m_end || *m_pos != ':') {
                return fail("expected ':'");
            }
            ++m_pos;
            std::optional<JsonValue> value = parseValue(depth);
            if (!value) {
                return std::nullopt;
            }
            members.emplace_back(std::move(*name), std::move(*value));
            skipWhitespace();
            if (m_pos != m_end && *m_pos == ',') {
                ++m_pos;
                continue;
            }
            if (m_pos != m_end && *m_pos == '}') {
                ++m_pos;
                return JsonValue::object(std::move(members));
            }
            return fail("expected ',' or '}'");
        }
    }

    std::optional<JsonValue> parseArray(int depth) {
        if (depth > maximumDepth) {
            return fail("nested too deeply");
        }
        ++m_pos; // '['
        std::vector<JsonValue> items;
        skipWhitespace();
        if (m_pos != m_end && *m_pos == ']') {
            ++m_pos;
            return JsonValue::array(std::move(items));
        }
        for (;;) {
            std::optional<JsonValue> value = parseValue(depth);
            if (!value) {
                return std::nullopt;
            }
            items.push_back(std::move(*value));
            skipWhitespace();
            if (m_pos != m_end && *m_pos == ',') {
                ++m_pos;
                continue;
            }
            if (m_pos != m_end && *m_pos == ']') {
                ++m_pos;
                return JsonValue::array(std::move(items));
            }
            return fail("expected ',' or ']'");
        }
    }

    bool consumeDigits() {
        const char* start = m_pos;
        while (m_pos != m_end && *m_pos >= '0' && *m_pos <= '9') {
            ++m_pos;
        }
        return m_pos != start;
    }

    std::optional<JsonValue> parseNumber() {
        const char* start = m_pos;
        if (*m_pos == '-') {
            ++m_pos;
        }
        if (m_pos != m_end && *m_pos == '0') {
            ++m_pos;
        } else if (!consumeDigits()) {
            return fail("malformed number");
        }
        if (m_pos != m_end && *m_pos == '.') {
            ++m_pos;
            if (!consumeDigits()) {
                return fail("malformed number");
            }
        }
        if (m_pos != m_end && (*m_pos == 'e' || *m_pos == 'E')) {
            ++m_pos;
            if (m_pos != m_end && (*m_pos == '+' || *m_pos == '-')) {
                ++m_pos;
            }
            if (!consumeDigits()) {
                return fail("malformed number");
            }
        }
        return JsonValue::number(QByteArray(start, m_pos - start));
    }

    static int hexValue(char c) {
        if (c >= '0' && c <= '9') {
            return c - '0';
        }
        if (c >= 'a' && c <= 'f') {
            return c - 'a' + 10;
        }
        if (c >= 'A' && c <= 'F') {
            return c - 'A' + 10;
        }
        return -1;
    }

    std::optional<QString> parseString() {
        ++m_pos; // opening quote
        QString text;
        const char* run = m_pos;
        bool asciiRun = true;
        auto flushRun = [&] {
            std::optional<QString> decoded = decodeUtf8(QByteArrayView(run, m_pos), asciiRun);
            if (decoded) {
                text += *decoded;
            }
            return decoded.has_value();
        };
        while (m_pos != m_end) {
            const char c = *m_pos;
            if (c == '"') {
                if (!flushRun()) {
                    return fail("the text is not valid UTF-8");
                }
                ++m_pos;
                return text;
            }
            if (static_cast<unsigned char>(c) < 0x20) {
                return fail("control character in a string");
            }
            if (c != '\\') {
                asciiRun = asciiRun && static_cast<unsigned char>(c) < 0x80;
                ++m_pos;
                continue;
            }
            if (!flushRun()) {
                return fail("the text is not valid UTF-8");
            }
            ++m_pos;
            if (m_pos == m_end) {
                break;
            }
            switch (*m_pos) {
            case '"':
                text += QLatin1Char('"');
                break;
            case '\\':
                text += QLatin1Char('\\');
                break;
            case '/':
                text += QLatin1Char('/');
                break;
            case 'b':
                text += QLatin1Char('\b');
                break;
            case 'f':
                text += QLatin1Char('\f');
                break;
            case 'n':
                text += QLatin1Char('\n');
                break;
            case 'r':
                text += QLatin1Char('\r');
                break;
            case 't':
                text += QLatin1Char('\t');
                break;
            case 'u': {
                if (m_end - m_pos < 5) {
                    return fail("malformed \\u escape");
                }
                int code = 0;
                for (int i = 1; i <= 4; ++i) {
                    const int digit = hexValue(m_pos[i]);
                    if (digit < 0) {
                        return fail("malformed \\u escape");
                    }
                    code = code * 16 + digit;
                }
                // Lone surrogates are kept as they are: JSON allows them and they round-trip through the writer.
                text += QChar(static_cast<char16_t>(code));
                m_pos += 4;
                break;
            }
            default:
                return fail("unknown escape in a string");
            }
            ++m_pos;
            run = m_pos;
            asciiRun = true;
        }
        return fail("unterminated string");
    }

    const char* m_begin;
    const char* m_pos;
    const char* m_end;
    QString m_error;
};

} // namespace

JsonValue JsonValue::boolean(bool value) {
    JsonValue result(Type::Boolean);
    result.m_boolean = value;
    return result;
}

JsonValue JsonValue::number(QByteArray text) {
    JsonValue result(Type::Number);
    result.m_numberText = std::move(text);
    return result;
}

JsonValue JsonValue::string(QString text) {
    JsonValue result(Type::String);
    result.m_string = std::move(text);
    return result;
}

JsonValue JsonValue::array(std::vector<JsonValue> items) {
    JsonValue result(Type::Array);
    result.m_items = std::move(items);
    return result;
}

JsonValue JsonValue::object(std::vector<Member> members) {
    JsonValue result(Type::Object);
    result.m_members = std::move(members);
    return result;
}

namespace {

template <typename Integer>
std::optional<Integer> parseWholeNumber(JsonValue::Type type, const QByteArray& text) {
    if (type != JsonValue::Type::Number || text.contains('.') || text.contains('e') || text.contains('E')) {
        return std::nullopt;
    }
    Integer value = 0;
    const char* end = text.constData() + text.size();
    const auto [ptr, error] = std::from_chars(text.constData(), end, value);
    if (error != std::errc() || ptr != end) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::optional<qint64> JsonValue::toInteger() const {
    return parseWholeNumber<qint64>(m_type, m_numberText);
}

std::optional<quint64> JsonValue::toUnsignedInteger() const {
    return parseWholeNumber<quint64>(m_type, m_numberText);
}

std::optional<double> JsonValue::toDouble() const {
    if (m_type != Type::Number) {
        return std::nullopt;
    }
    bool ok = false;
    const double value = m_numberText.toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

const JsonValue* JsonValue::member(QStringView name) const {
    for (auto it = m_members.rbegin(); it != m_members.rend(); ++it) {
        if (it->first == name) {
            return &it->second;
        }
    }
    return nullptr;
}

JsonParseResult parseJson(QByteArrayView text) {
    return Parser(text).run();
}
