// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGINT and SIGTERM into a Qt signal delivered on the event loop, where it is safe to end the program
// cleanly. Only one instance may exist. A program that has not ended one second after the signal (busy with long
// work, or in a nested loop) ends there and then: every file it writes is replaced atomically, so nothing tears.
class TerminationSignals : public QObject {
    Q_OBJECT

public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

    // Whether a signal arrived: one that a nested event loop took before the main loop ran still counts.
    bool wasReceived() const { return m_wasReceived; }

signals:
    void received(int signalNumber);

private:
    QSocketNotifier* m_notifier = nullptr;
    bool m_wasReceived = false;
};
