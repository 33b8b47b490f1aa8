// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "windowserver/i3ipc/IpcMessage.h"

#include <cstring>

namespace IpcMessage {
namespace {

constexpr QByteArrayView magic("i3-ipc");

quint32 readNative(const char* bytes) {
    quint32 value = 0;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

} // namespace

QByteArray encode(quint32 type, QByteArrayView payload) {
    const auto length = static_cast<quint32>(payload.size());
    QByteArray message;
    message.reserve(headerSize + payload.size());
    message.append(magic);
    message.append(reinterpret_cast<const char*>(&length), sizeof length);
    message.append(reinterpret_cast<const char*>(&type), sizeof type);
    message.append(payload);
    return message;
}

Decoded decode(QByteArrayView bytes) {
    const qsizetype magicBytes = std::min(bytes.size(), magic.size());
    if (bytes.first(magicBytes) != magic.first(magicBytes)) {
        return Fault{QStringLiteral("a message with a bad magic")};
    }
    if (bytes.size() < headerSize) {
        return Incomplete{};
    }
    const quint32 length = readNative(bytes.data() + magic.size());
    if (length > longestPayload) {
        return Fault{QStringLiteral("a message of %1 bytes, over the limit of %2 MiB")
                         .arg(length)
                         .arg(longestPayload / (1024 * 1024))};
    }
    const qsizetype size = headerSize + static_cast<qsizetype>(length);
    if (bytes.size() < size) {
        return Incomplete{};
    }
    return Message{readNative(bytes.data() + magic.size() + 4), bytes.sliced(headerSize, length).toByteArray(), size};
}

QString typeName(quint32 type) {
    switch (type) {
    case RunCommand:
        return QStringLiteral("RUN_COMMAND");
    case GetWorkspaces:
        return QStringLiteral("GET_WORKSPACES");
    case Subscribe:
        return QStringLiteral("SUBSCRIBE");
    case GetConfig:
        return QStringLiteral("GET_CONFIG");
    case WorkspaceEvent:
        return QStringLiteral("workspace event");
    case ShutdownEvent:
        return QStringLiteral("shutdown event");
    default:
        return QStringLiteral("message type %1").arg(type);
    }
}

} // namespace IpcMessage
