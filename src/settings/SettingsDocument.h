// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "settings/SettingsModel.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

// The stored form of AppSettings: one UTF-8 JSON document, written in a fixed indented layout and read leniently
// as to layout but strictly as to content (any violation rejects the whole document).
namespace SettingsDocument {

struct DecodeResult {
    std::optional<AppSettings> settings;
    QString error; // why the document was rejected
};

QByteArray encode(const AppSettings& settings);
DecodeResult decode(QByteArrayView document);

// A list of configurations in the same layout, oldest first: {"removed" : [ {...}, ... ]}. Nothing when the
// document is not such a list.
QByteArray encodeList(const QList<SpaceConfig>& configs);
std::optional<QList<SpaceConfig>> decodeList(QByteArrayView document);

} // namespace SettingsDocument
