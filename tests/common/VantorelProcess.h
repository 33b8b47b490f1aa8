// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "settings/SettingsModel.h"

#include <QColor>
#include <QProcess>
#include <QStringList>

#include <sys/types.h>

// The program under test as a child process, with both of its output channels read as lines (system-log lines
// without their time stamp), so that a test can wait for what it says.
class VantorelProcess {
public:
    explicit VantorelProcess(QProcessEnvironment environment);
    ~VantorelProcess();
    VantorelProcess(const VantorelProcess&) = delete;
    VantorelProcess& operator=(const VantorelProcess&) = delete;

    bool start(const QStringList& arguments = {});
    // Another program, its lines read alike: a compositor whose log says when its session is up.
    bool start(const QString& program, const QStringList& arguments);
    // Asks it to end (SIGTERM) and waits; its exit code, or -1 when it crashed or did not end.
    int stop();
    bool isRunning() const { return m_process.state() == QProcess::Running; }
    qint64 processId() const { return m_process.processId(); }

    // The index of the first line from `from` on that contains `text`, waiting up to `timeoutMs` for it; -1 if none
    // came.
    qsizetype waitForLine(const QString& text, qsizetype from = 0, int timeoutMs = 10000);
    const QStringList& lines();
    // Every line so far, for a failure message.
    QByteArray transcript();

private:
    void readLines();

    QProcess m_process;
    QByteArray m_pending;
    QStringList m_lines;
};

// Fails the test, showing what the program said, unless it says the text (from the given line on) in time.
#define VERIFY_SAYS(process, ...) QVERIFY2((process).waitForLine(__VA_ARGS__) >= 0, (process).transcript().constData())

// Stores a name and colour for a Space in the settings under `configHome`, as the marking window would.
void storeSpaceConfig(const QString& configHome, SpaceID spaceID, const QString& name, const QString& color);
// The desktops the panel tests switch between: Space 1, "Mail", in the first colour, and Space 2, "Chat", in the
// second, stored under `configHome` by storeMailAndChat.
inline const QColor mailColour{0xFF, 0x6B, 0x6B};
inline const QColor chatColour{0x6B, 0xA3, 0xFF};
void storeMailAndChat(const QString& configHome);
// The process serving the instance socket under `runtimeFolder` (an XDG_RUNTIME_DIR), from the socket's
// credentials; -1 when none answers. For programs a test did not start itself, such as one a bar's feed started.
pid_t instanceProcessId(const QString& runtimeFolder);
// The memory the process has in use (VmRSS), in KiB.
qint64 residentKiB(qint64 processId);
