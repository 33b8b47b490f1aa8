// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "windowserver/scripted/ScriptedWindowServer.h"

#include "core/Diagnostics.h"

#include <QTimer>

#include <sys/stat.h>

namespace {

// A line can't sensibly be longer (the newline not counted); the rest of a longer one is skipped, not buffered.
constexpr qsizetype longestLine = 1024 * 1024;

} // namespace

ScriptedWindowServer::ScriptedWindowServer(QString path)
    : m_path(std::move(path))
    , m_file(m_path) {
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, [this] {
        followReplacement();
        if (!m_sleeping) {
            followFile();
        }
    });
}

QString ScriptedWindowServer::open() {
    // Unbuffered, so that lines appended after an end of file are seen.
    if (!m_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        return QStringLiteral("cannot read %1: %2").arg(m_path, m_file.errorString());
    }
    m_watcher.addPath(m_path);
    applyLinesUntilFirstReading();
    return {};
}

void ScriptedWindowServer::start() {
    QMetaObject::invokeMethod(this, &ScriptedWindowServer::followFile, Qt::QueuedConnection);
}

std::optional<QList<qint64>> ScriptedWindowServer::copySpaces(qint32, qint32) {
    return m_state.spaces;
}

quint64 ScriptedWindowServer::activeSpace(qint32) {
    return m_state.active;
}

QString ScriptedWindowServer::switchTo(SpaceID spaceID) {
    if (!m_state.spaces || !m_state.spaces->contains(spaceID)) {
        return QStringLiteral("the script has no desktop %1").arg(spaceID);
    }
    m_state.active = quint64(spaceID);
    QMetaObject::invokeMethod(this, &ScriptedWindowServer::activeSpaceDidChange, Qt::QueuedConnection);
    return {};
}

void ScriptedWindowServer::applyLinesUntilFirstReading() {
    // Pauses before the first reading mean nothing: it is the state the program starts in.
    while (const std::optional<QByteArray> line = takeLine()) {
        const ScriptLine::Line parsed = ScriptLine::parse(*line);
        if (const auto* reading = std::get_if<ScriptLine::Reading>(&parsed)) {
            m_state = bounded(*reading);
            return;
        }
        if (const auto* invalid = std::get_if<ScriptLine::Invalid>(&parsed)) {
            report(invalid->reason, *line);
        }
    }
}

void ScriptedWindowServer::followFile() {
    while (const std::optional<QByteArray> line = takeLine()) {
        const ScriptLine::Line parsed = ScriptLine::parse(*line);
        if (const auto* reading = std::get_if<ScriptLine::Reading>(&parsed)) {
            m_state = bounded(*reading);
            emit activeSpaceDidChange();
        } else if (const auto* sleep = std::get_if<ScriptLine::Sleep>(&parsed)) {
            m_sleeping = true;
            QTimer::singleShot(sleep->milliseconds, this, [this] {
                m_sleeping = false;
                followFile();
            });
            return;
        } else if (const auto* invalid = std::get_if<ScriptLine::Invalid>(&parsed)) {
            report(invalid->reason, *line);
        }
    }
}

ScriptLine::Reading ScriptedWindowServer::bounded(ScriptLine::Reading reading) {
    if (reading.spaces) {
        reading.spaces = m_limit.bounded(std::move(*reading.spaces));
    }
    return reading;
}

void ScriptedWindowServer::followReplacement() {
    // An editor saves by writing a new file and renaming it over the old one: the watch and the open file both
    // stay with the old one.
    struct stat named {};
    struct stat opened {};
    if (::stat(QFile::encodeName(m_path).constData(), &named) != 0) {
        return; // gone for now; a file that appears later is not seen
    }
    if (::fstat(m_file.handle(), &opened) == 0 && (named.st_ino != opened.st_ino || named.st_dev != opened.st_dev)) {
        m_file.close();
        if (!m_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
            report(QStringLiteral("cannot read the new file: %1").arg(m_file.errorString()), {});
            return;
        }
        report(QStringLiteral("the file was replaced; reading the new one from the start"), {});
        m_pending.clear();
        m_lineNumber = 0;
        m_skippingOverlongLine = false;
    }
    if (!m_watcher.files().contains(m_path)) {
        m_watcher.addPath(m_path);
    }
}

std::optional<QByteArray> ScriptedWindowServer::takeLine() {
    for (;;) {
        if (const qsizetype end = m_pending.indexOf('\n'); end >= 0) {
            QByteArray line = m_pending.left(end);
            m_pending.remove(0, end + 1);
            if (std::exchange(m_skippingOverlongLine, false)) {
                continue; // counted and reported when it grew too long
            }
            ++m_lineNumber;
            if (line.size() > longestLine) {
                report(QStringLiteral("line too long, skipped"), line.left(80));
                continue;
            }
            return line;
        }
        if (m_skippingOverlongLine) {
            m_pending.clear();
        } else if (m_pending.size() > longestLine) {
            ++m_lineNumber;
            report(QStringLiteral("line too long, skipped"), m_pending.left(80));
            m_pending.clear();
            m_skippingOverlongLine = true;
        }
        if (m_file.size() < m_file.pos()) {
            report(QStringLiteral("the file was truncated; reading it again from the start"), {});
            m_file.seek(0);
            m_pending.clear();
            m_lineNumber = 0;
            m_skippingOverlongLine = false;
        }
        const QByteArray more = m_file.read(longestLine + 1);
        if (more.isEmpty()) {
            return std::nullopt; // a last line without its newline waits for the rest
        }
        m_pending += more;
    }
}

void ScriptedWindowServer::report(const QString& reason, QByteArrayView line) const {
    QString text = QStringLiteral("❌ %1:%2: %3").arg(m_path).arg(m_lineNumber).arg(reason);
    if (!line.isEmpty()) {
        text += QStringLiteral(": ") + QString::fromUtf8(line.first(std::min<qsizetype>(line.size(), 200)));
    }
    Diagnostics::systemLog(text);
}
