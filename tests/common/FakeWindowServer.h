// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "windowserver/WindowServer.h"

// A window server whose answers tests set directly.
class FakeWindowServer : public WindowServer {
public:
    qint32 mainConnectionID() override { return connectionID; }
    std::optional<QList<qint64>> copySpaces(qint32, qint32 mask) override {
        lastMask = mask;
        return spaces;
    }
    quint64 activeSpace(qint32) override { return active; }
    QString switchTo(SpaceID spaceID) override {
        switchedTo.append(spaceID);
        return {};
    }

    qint32 connectionID = 42;
    std::optional<QList<qint64>> spaces = QList<qint64>{};
    quint64 active = 0;
    qint32 lastMask = 0;
    QList<SpaceID> switchedTo;
};
