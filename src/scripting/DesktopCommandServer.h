// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "scripting/DesktopCommand.h"

#include <QObject>

class DesktopDirectory;
class QLocalSocket;

// Carries out the command line's requests in the running program: each connection sends one command line and gets
// one reply line, then is closed. A connection that sends no whole line of at most `longestRequest` bytes within
// `patienceMs` is dropped.
class DesktopCommandServer : public QObject {
    Q_OBJECT

public:
    static constexpr qint64 longestRequest = 256 * 1024;
    static constexpr int patienceMs = 10000;

    explicit DesktopCommandServer(DesktopDirectory& directory, QObject* parent = nullptr);

    DesktopCommandReply execute(const DesktopCommand& command);
    // Takes the connection over.
    void serve(QLocalSocket* connection);

private:
    void readCommand(QLocalSocket* connection);
    QString listing(bool json);

    DesktopDirectory& m_directory;
};
