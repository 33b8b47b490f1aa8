// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "core/MainQueue.h"

#include <QTimer>

namespace MainQueue {

void async(QObject* owner, std::function<void()> task) {
    // A queued call is a posted event: posted events run in posting order and are dropped with their receiver.
    QMetaObject::invokeMethod(owner, std::move(task), Qt::QueuedConnection);
}

void after(int milliseconds, QObject* owner, std::function<void()> task) {
    QTimer::singleShot(milliseconds, owner, std::move(task));
}

} // namespace MainQueue
