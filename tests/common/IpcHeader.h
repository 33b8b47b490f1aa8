// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QByteArrayView>

// An IPC message header written by hand, so that tests can send any magic and any length, right or wrong.
inline QByteArray ipcHeader(QByteArrayView magic, quint32 length, quint32 type) {
    QByteArray bytes(magic.data(), magic.size());
    bytes.append(reinterpret_cast<const char*>(&length), 4);
    bytes.append(reinterpret_cast<const char*>(&type), 4);
    return bytes;
}
