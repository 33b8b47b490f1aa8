// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// What the status item shows: the active Space's name and its colour text, as the running program hands it to bar
// feeds over the instance socket, one JSON line per change: {"color":"#6bcf7f","name":"Mail"}.
struct BarLabel {
    QString name;
    QString color;

    bool operator==(const BarLabel&) const = default;

    // One wire line, with its newline. Names beyond `maximumNameLength` are shortened, so that every line stays far
    // below what a feed accepts.
    QByteArray toWireLine() const;
    // A wire line without its newline; nothing (and the reason in `error`) when it is not one.
    static std::optional<BarLabel> fromWireLine(QByteArrayView line, QString* error = nullptr);

    static constexpr qsizetype maximumNameLength = 65536;
    // The longest line a feed reads from the running program.
    static constexpr qsizetype maximumWireLineLength = 1024 * 1024;
};
