// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ProgramHome.h"
#include "Processes.h"
#include "RequirePrograms.h"

#include <QImage>

#include <vector>

// A private X server (Xvfb) with the programs a test starts on it, all ended when the session ends, and folders of
// its own for them.
class X11Session : public ProgramHome {
public:
    // Starts Xvfb; false with a reason when it could not.
    bool start(QSize screenSize, QString* error);
    QString display() const { return m_display; }
    QProcessEnvironment environment() const;

    // Starts a program on the display; it is ended with the session.
    QProcess& launch(const QString& program, const QStringList& arguments,
                     QProcessEnvironment environment = QProcessEnvironment());
    // Pixels of the root window in that rectangle, straight from the X server.
    QImage grab(const QRect& rectangle) const;
    // Runs a program on the display to its end: what it printed, or "failed: " and its errors.
    QString run(const QString& program, const QStringList& arguments) const;

private:
    bool startServer(int displayNumber, QSize screenSize);

    OwnedProgram m_server;
    std::vector<OwnedProgram> m_programs; // after the server: ended before it
    QString m_display;
};
