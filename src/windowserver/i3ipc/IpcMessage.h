// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <variant>

// The framing of i3's IPC, which sway speaks too: "i3-ipc", the payload's length and the message type (both
// unsigned 32-bit in the machine's own byte order), then the payload. Replies carry their request's type; events
// have the high bit set.
namespace IpcMessage {

enum Type : quint32 {
    GetWorkspaces = 1,
    Subscribe = 2,
    GetConfig = 9,
    WorkspaceEvent = 0x80000000u,
    ShutdownEvent = 0x80000006u,
};
constexpr quint32 eventBit = 0x80000000u;
constexpr qsizetype headerSize = 14;
// Far beyond any reply we ask for (a thousand workspaces take a few hundred KiB); a longer one means a broken or
// hostile peer, and parsing it would take many times its size in memory.
constexpr quint32 longestPayload = 4u * 1024 * 1024;

struct Message {
    quint32 type = 0;
    QByteArray payload;
    qsizetype size = 0; // header and payload: how many bytes it took from the front of the input
};
struct Incomplete {};
// The stream cannot be read on from here.
struct Fault {
    QString reason;
};
using Decoded = std::variant<Message, Incomplete, Fault>;

QByteArray encode(quint32 type, QByteArrayView payload = {});
// The message at the front of `bytes`. A bad magic or an overlong length is a fault as soon as its bytes are there,
// without waiting for the rest.
Decoded decode(QByteArrayView bytes);

// "GET_WORKSPACES", "workspace event" or the number, for diagnostic lines.
QString typeName(quint32 type);

} // namespace IpcMessage
