// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "RequirePrograms.h"

#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <memory>
#include <vector>

// A private X server (Xvfb) with the programs a test starts on it, all ended when the session ends. Each session has
// its own runtime and config folders, so a program under test never meets the developer's running instance.
class X11Session {
public:
    X11Session();
    ~X11Session();
    X11Session(const X11Session&) = delete;
    X11Session& operator=(const X11Session&) = delete;

    // Starts Xvfb; false with a reason when it could not.
    bool start(QSize screenSize, QString* error);
    QString display() const { return m_display; }
    QProcessEnvironment environment() const;
    QString runtimeFolder() const { return m_runtime.path(); }
    QString configFolder() const { return m_config.path(); }

    // Starts a program on the display; it is ended with the session.
    QProcess& launch(const QString& program, const QStringList& arguments,
                     QProcessEnvironment environment = QProcessEnvironment());
    // Pixels of the root window in that rectangle, straight from the X server.
    QImage grab(const QRect& rectangle) const;
    // Runs a program on the display to its end: what it printed, or "failed: " and its errors.
    QString run(const QString& program, const QStringList& arguments) const;
    // Writes a file into the session's config folder; returns its path.
    QString writeConfigFile(const QString& name, const QByteArray& content) const;

private:
    bool startServer(int displayNumber, QSize screenSize);

    QTemporaryDir m_runtime;
    QTemporaryDir m_config;
    std::unique_ptr<QProcess> m_server;
    std::vector<std::unique_ptr<QProcess>> m_programs;
    QString m_display;
};
