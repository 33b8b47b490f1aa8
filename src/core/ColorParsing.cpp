// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "core/ColorParsing.h"

#include <QChar>
#include <QTextBoundaryFinder>

#include <cstdint>
#include <limits>

namespace {

bool isLetterMarkOrDigit(char32_t codePoint) {
    switch (QChar::category(codePoint)) {
    case QChar::Letter_Uppercase:
    case QChar::Letter_Lowercase:
    case QChar::Letter_Titlecase:
    case QChar::Letter_Modifier:
    case QChar::Letter_Other:
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
    case QChar::Number_DecimalDigit:
    case QChar::Number_Letter:
    case QChar::Number_Other:
        return true;
    default:
        return false;
    }
}

// Works on code points, so that a character outside the Basic Multilingual Plane is judged whole, never by its
// surrogate halves.
QStringView trimmedToLettersMarksAndDigits(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end) {
        const bool pair = begin + 1 < end && text[begin].isHighSurrogate() && text[begin + 1].isLowSurrogate();
        const char32_t codePoint = pair ? QChar::surrogateToUcs4(text[begin], text[begin + 1]) : text[begin].unicode();
        if (isLetterMarkOrDigit(codePoint)) {
            break;
        }
        begin += pair ? 2 : 1;
    }
    while (end > begin) {
        const bool pair = end - 1 > begin && text[end - 1].isLowSurrogate() && text[end - 2].isHighSurrogate();
        const char32_t codePoint =
            pair ? QChar::surrogateToUcs4(text[end - 2], text[end - 1]) : text[end - 1].unicode();
        if (isLetterMarkOrDigit(codePoint)) {
            break;
        }
        end -= pair ? 2 : 1;
    }
    return text.sliced(begin, end - begin);
}

int hexDigitValue(QChar character) {
    const char16_t c = character.unicode();
    if (c >= u'0' && c <= u'9') {
        return c - u'0';
    }
    if (c >= u'a' && c <= u'f') {
        return c - u'a' + 10;
    }
    if (c >= u'A' && c <= u'F') {
        return c - u'A' + 10;
    }
    return -1;
}

// An optional "0x" or "0X", then as many hexadecimal digits as follow; 0 when there are none. A number too large
// for 64 bits reads as the largest one, as the platform's scanner does.
std::uint64_t scanHexadecimalPrefix(QStringView text) {
    if (text.startsWith(u"0x", Qt::CaseInsensitive)) {
        text = text.sliced(2);
    }
    constexpr std::uint64_t largest = std::numeric_limits<std::uint64_t>::max();
    std::uint64_t value = 0;
    for (QChar character : text) {
        const int digit = hexDigitValue(character);
        if (digit < 0) {
            break;
        }
        value = value > (largest >> 4) ? largest : (value << 4) | static_cast<std::uint64_t>(digit);
    }
    return value;
}

// What a reader would call characters: "é" written as "e" plus a combining accent counts once.
qsizetype userPerceivedLength(QStringView text) {
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text.data(), text.size());
    qsizetype length = 0;
    while (finder.toNextBoundary() != -1) {
        ++length;
    }
    return length;
}

// The text's length already bounds the value to the form's digits; the masks keep every component within 0...255
// all the same.
int byteAt(std::uint64_t value, int shift) {
    return static_cast<int>((value >> shift) & 0xFF);
}

} // namespace

HexColorComponents hexColorComponents(QStringView text) {
    const QStringView trimmed = trimmedToLettersMarksAndDigits(text);
    const std::uint64_t value = scanHexadecimalPrefix(trimmed);
    switch (userPerceivedLength(trimmed)) {
    case 3: {
        const auto nibble = [value](int shift) {
            return static_cast<int>((value >> shift) & 0xF) * 17;
        };
        return {nibble(8), nibble(4), nibble(0), 255};
    }
    case 6:
        return {byteAt(value, 16), byteAt(value, 8), byteAt(value, 0), 255};
    case 8:
        return {byteAt(value, 16), byteAt(value, 8), byteAt(value, 0), byteAt(value, 24)};
    default:
        return {};
    }
}

QColor colorFromHex(const QString& text) {
    const HexColorComponents components = hexColorComponents(text);
    return QColor::fromRgb(components.red, components.green, components.blue, components.alpha);
}
