// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "feeds/LabelTopic.h"

namespace {

const QString outputPrefix = QStringLiteral(" output=");

} // namespace

QString LabelTopic::toText() const {
    return output.isEmpty() ? format : format + outputPrefix + output;
}

LabelTopic LabelTopic::fromText(const QString& text) {
    const qsizetype prefix = text.indexOf(outputPrefix);
    if (prefix < 0) {
        return {text, {}};
    }
    return {text.left(prefix), text.sliced(prefix + outputPrefix.size())};
}
