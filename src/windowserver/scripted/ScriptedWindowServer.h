// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "windowserver/SpaceLimit.h"
#include "windowserver/scripted/ScriptLine.h"
#include "windowserver/WindowServerBackend.h"

#include <QFile>
#include <QFileSystemWatcher>

// A window server fed by hand from a JSON Lines file (see ScriptLine). The first reading is the state at start;
// every later reading replaces the state and announces the change. The file is followed like
// `tail -f`, so lines appended later are read too; a line that is not understood is reported and skipped.
class ScriptedWindowServer : public WindowServerBackend {
    Q_OBJECT

public:
    explicit ScriptedWindowServer(QString path);

    // Opens the file and takes its first reading as the state at start. Returns an error text on failure.
    QString open() override;
    // Follows the rest of the file from the next turn of the event loop on.
    void start() override;

    qint32 mainConnectionID() override { return 1; }
    std::optional<QList<qint64>> copySpaces(qint32 connectionID, qint32 mask) override;
    quint64 activeSpace(qint32 connectionID) override;
    // Makes the Space active, as a window manager would, until the script's next reading says otherwise.
    QString switchTo(SpaceID spaceID) override;

private:
    // Takes lines until a reading has been applied or the file has no more.
    void applyLinesUntilFirstReading();
    void followFile();
    // Reopens the file when another one has taken its name.
    void followReplacement();
    ScriptLine::Reading bounded(ScriptLine::Reading reading);
    std::optional<QByteArray> takeLine();
    void report(const QString& reason, QByteArrayView line) const;

    QString m_path;
    QFile m_file;
    QFileSystemWatcher m_watcher;
    QByteArray m_pending;
    qint64 m_lineNumber = 0;
    bool m_sleeping = false;
    bool m_skippingOverlongLine = false;
    ScriptLine::Reading m_state; // no list and Space 0 until the first reading
    SpaceLimit m_limit{QStringLiteral("scripted window server")};
};
