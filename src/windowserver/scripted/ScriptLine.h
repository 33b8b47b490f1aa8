// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>

#include <optional>
#include <variant>

// One line of a hand-fed window server's script (JSON Lines):
//   {"spaces": [5, 3, 3, 9], "active": 3}   a reading; "spaces": null is a window server that gives no list
//   {"sleep": 0.2}                           a pause before the next line, in seconds
namespace ScriptLine {

struct Reading {
    std::optional<QList<qint64>> spaces;
    quint64 active = 0;
};
struct Sleep {
    int milliseconds = 0;
};
struct Blank {};
struct Invalid {
    QString reason;
};
using Line = std::variant<Reading, Sleep, Blank, Invalid>;

// "active" takes any whole number from -2^63 to 2^64 - 1: a negative one stands for the unsigned value with the
// same bits, as the window server's own type would carry it. List elements must be signed 64-bit whole numbers.
Line parse(QByteArrayView text);

} // namespace ScriptLine
