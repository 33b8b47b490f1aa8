// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>

#include <functional>

// Work for later turns of the event loop, run one task after another in the order scheduled. Every task has an
// owner: a task whose owner is gone by then does nothing.
namespace MainQueue {

void async(QObject* owner, std::function<void()> task);
void after(int milliseconds, QObject* owner, std::function<void()> task);

} // namespace MainQueue
