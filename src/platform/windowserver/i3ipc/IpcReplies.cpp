#include "platform/windowserver/i3ipc/IpcReplies.h"

#include "platform/JsonReader.h"
#include "platform/windowserver/i3ipc/WorkspaceIdentity.h"

namespace IpcReplies {
namespace {

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

Parsed<QString> stringMember(QByteArrayView payload, QStringView name) {
    const Parsed<JsonValue> root = rootObject(payload);
    if (!root.value) {
        return {std::nullopt, root.error};
    }
    const JsonValue* member = root.value->member(name);
    if (member == nullptr || !member->isString()) {
        return {std::nullopt, QStringLiteral("expected a string \"%1\"").arg(name)};
    }
    return {member->string(), {}};
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
        const JsonValue* number = workspace.member(u"num");
        const JsonValue* name = workspace.member(u"name");
        const JsonValue* focused = workspace.member(u"focused");
        const std::optional<qint64> numberValue = number ? number->toInteger() : std::nullopt;
        if (!numberValue || name == nullptr || !name->isString() || focused == nullptr ||
            focused->type() != JsonValue::Type::Boolean) {
            return {std::nullopt,
                    QStringLiteral("every workspace needs a whole-number \"num\", a \"name\" and \"focused\"")};
        }
        const SpaceID spaceID = WorkspaceIdentity::spaceID(*numberValue, name->string());
        result.spaceIDs.append(spaceID);
        if (focused->toBool()) {
            result.focused = spaceID;
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
    return stringMember(payload, u"config");
}

Parsed<QString> eventChange(QByteArrayView payload) {
    return stringMember(payload, u"change");
}

} // namespace IpcReplies
