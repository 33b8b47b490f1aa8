// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "windowserver/i3ipc/IpcReplies.h"

#include "core/JsonReader.h"
#include "windowserver/i3ipc/WorkspaceIdentity.h"

namespace IpcReplies {
namespace {

// The SpaceID of a workspace object: it needs a whole-number "num" and a string "name".
std::optional<SpaceID> workspaceSpaceID(const JsonValue& workspace) {
    const JsonValue* number = workspace.member(u"num");
    const JsonValue* name = workspace.member(u"name");
    const std::optional<qint64> numberValue = number ? number->toInteger() : std::nullopt;
    if (!numberValue || name == nullptr || !name->isString()) {
        return std::nullopt;
    }
    return WorkspaceIdentity::spaceID(*numberValue, name->string());
}

// The object at the root of a payload, or why there is none.
Parsed<JsonValue> rootObject(QByteArrayView payload) {
    JsonParseResult parsed = parseJson(payload);
    if (!parsed.value) {
        return {std::nullopt, parsed.error};
    }
    if (!parsed.value->isObject()) {
        return {std::nullopt, QStringLiteral("expected a JSON object")};
    }
    return {std::move(parsed.value), {}};
}

const JsonValue* stringMember(const JsonValue& object, QStringView name) {
    const JsonValue* member = object.member(name);
    return member != nullptr && member->isString() ? member : nullptr;
}

} // namespace

Parsed<Workspaces> workspaces(QByteArrayView payload) {
    const JsonParseResult parsed = parseJson(payload);
    if (!parsed.value) {
        return {std::nullopt, parsed.error};
    }
    if (!parsed.value->isArray()) {
        return {std::nullopt, QStringLiteral("expected a JSON array of workspaces")};
    }
    Workspaces result;
    for (const JsonValue& workspace : parsed.value->items()) {
        const std::optional<SpaceID> spaceID = workspaceSpaceID(workspace);
        const JsonValue* focused = workspace.member(u"focused");
        if (!spaceID || focused == nullptr || focused->type() != JsonValue::Type::Boolean) {
            return {std::nullopt,
                    QStringLiteral("every workspace needs a whole-number \"num\", a \"name\" and \"focused\"")};
        }
        result.spaceIDs.append(*spaceID);
        result.names.insert(*spaceID, workspace.member(u"name")->string());
        if (const JsonValue* output = stringMember(workspace, u"output")) {
            result.placement.outputOfSpace.insert(*spaceID, output->string());
            const JsonValue* visible = workspace.member(u"visible");
            if (visible != nullptr && visible->type() == JsonValue::Type::Boolean && visible->toBool()) {
                result.placement.visibleOnOutput.insert(output->string(), *spaceID);
            }
        }
        if (focused->toBool()) {
            result.focused = *spaceID;
        }
    }
    return {std::move(result), {}};
}

Parsed<bool> subscribed(QByteArrayView payload) {
    const Parsed<JsonValue> root = rootObject(payload);
    if (!root.value) {
        return {std::nullopt, root.error};
    }
    const JsonValue* success = root.value->member(u"success");
    if (success == nullptr || success->type() != JsonValue::Type::Boolean) {
        return {std::nullopt, QStringLiteral("expected a boolean \"success\"")};
    }
    return {success->toBool(), {}};
}

Parsed<QString> configText(QByteArrayView payload) {
    const Parsed<JsonValue> root = rootObject(payload);
    if (!root.value) {
        return {std::nullopt, root.error};
    }
    const JsonValue* config = stringMember(*root.value, u"config");
    if (config == nullptr) {
        return {std::nullopt, QStringLiteral("expected a string \"config\"")};
    }
    return {config->string(), {}};
}

Parsed<QString> commandError(QByteArrayView payload) {
    const JsonParseResult parsed = parseJson(payload);
    if (!parsed.value || !parsed.value->isArray()) {
        return {std::nullopt, parsed.value ? QStringLiteral("expected a JSON array of outcomes") : parsed.error};
    }
    for (const JsonValue& outcome : parsed.value->items()) {
        const JsonValue* success = outcome.member(u"success");
        if (success == nullptr || success->type() != JsonValue::Type::Boolean) {
            return {std::nullopt, QStringLiteral("every outcome needs a boolean \"success\"")};
        }
        if (!success->toBool()) {
            const JsonValue* error = stringMember(outcome, u"error");
            return {error != nullptr ? error->string() : QStringLiteral("refused"), {}};
        }
    }
    return {QString(), {}};
}

Parsed<Event> event(QByteArrayView payload) {
    const Parsed<JsonValue> root = rootObject(payload);
    if (!root.value) {
        return {std::nullopt, root.error};
    }
    const JsonValue* change = stringMember(*root.value, u"change");
    if (change == nullptr) {
        return {std::nullopt, QStringLiteral("expected a string \"change\"")};
    }
    const JsonValue* current = root.value->member(u"current");
    const std::optional<SpaceID> currentID = current ? workspaceSpaceID(*current) : std::nullopt;
    return {Event{change->string(), currentID, currentID ? current->member(u"name")->string() : QString()}, {}};
}

} // namespace IpcReplies
