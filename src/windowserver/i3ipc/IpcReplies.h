// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "core/SpaceID.h"
#include "windowserver/WindowServer.h"

#include <QByteArrayView>
#include <QList>
#include <QHash>
#include <QString>

#include <optional>

// Reading the JSON payloads of i3's and sway's IPC. Each function gives a value or the reason it could not.
namespace IpcReplies {

template <typename T>
struct Parsed {
    std::optional<T> value;
    QString error;
};

struct Workspaces {
    QList<SpaceID> spaceIDs; // in the window manager's order
    QHash<SpaceID, QString> names;
    // The focused workspace (on the focused output); none while focus is elsewhere, as during a switch of outputs.
    std::optional<SpaceID> focused;
    // From each workspace's "output" and "visible", where it has them.
    WindowServer::Placement placement;
};

// GET_WORKSPACES: every element needs a whole-number "num", a string "name" and a boolean "focused".
Parsed<Workspaces> workspaces(QByteArrayView payload);
// SUBSCRIBE: {"success": true|false}.
Parsed<bool> subscribed(QByteArrayView payload);
// GET_CONFIG: {"config": "..."}, the configuration's text as loaded.
Parsed<QString> configText(QByteArrayView payload);
struct Event {
    QString change; // "focus", "init", "reload", ... for a workspace event; "restart" or "exit" for a shutdown
    // The workspace the event is about, when it names one that can be read, and its name.
    std::optional<SpaceID> current;
    QString currentName;
};

// RUN_COMMAND: an array of {"success": bool, "error": "..."}; the value is the first error, empty when all succeeded.
Parsed<QString> commandError(QByteArrayView payload);
// A workspace or shutdown event: it needs a string "change".
Parsed<Event> event(QByteArrayView payload);

} // namespace IpcReplies
