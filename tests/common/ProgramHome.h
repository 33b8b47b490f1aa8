// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QProcessEnvironment>
#include <QTemporaryDir>

// Config and runtime folders of a test's own, so that a program under test never meets the developer's settings or
// running instance. A Vantorel that a feed or a command started there is nobody's child: it is ended with them.
class ProgramHome {
public:
    ProgramHome() = default;
    ~ProgramHome();
    ProgramHome(const ProgramHome&) = delete;
    ProgramHome& operator=(const ProgramHome&) = delete;

    QString configFolder() const { return m_config.path(); }
    QString runtimeFolder() const { return m_runtime.path(); }
    // Writes a file into the config folder; returns its path.
    QString writeConfigFile(const QString& name, const QByteArray& content) const;
    // The system's environment without the developer's display, compositor, window manager and session bus, with
    // these folders, and Qt drawing offscreen.
    QProcessEnvironment environment() const;

private:
    QTemporaryDir m_config;
    QTemporaryDir m_runtime;
};
