// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "updates/UpdateCheck.h"

#include <QObject>
#include <QPointer>
#include <QUrl>

#include <functional>

// Looks for newer versions of the program when the user asks, and tells the user what it found. It reads an update
// feed; it never downloads or installs anything, and never checks by itself.
class Updater : public QObject {
    Q_OBJECT

public:
    using Presenter = std::function<void(const UpdateCheck::Result&)>;

    // The feed is the build's (VANTOREL_APPCAST_URL at configure time) unless the environment variable of the same
    // name says otherwise. Results are shown in dialogs unless a presenter is given.
    explicit Updater(QObject* parent = nullptr);
    Updater(QUrl feed, Presenter presenter, QObject* parent = nullptr);

    static QUrl configuredFeed();

    // Makes the updater ready; launch does this.
    void start() { m_started = true; }
    bool isStarted() const { return m_started; }

    // A check the user asked for. While one runs, asking again does nothing.
    void checkForUpdates();

private:
    QUrl m_feed;
    Presenter m_presenter;
    bool m_started = false;
    QPointer<UpdateCheck> m_running;
};
