// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "windowserver/scripted/ScriptedWindowServer.h"

#include "core/Diagnostics.h"

#include <QTimer>

namespace {

// A line can't sensibly be longer; beyond this the rest of it is skipped rather than buffered.
constexpr qsizetype longestLine = 1024 * 1024;

} // namespace

ScriptedWindowServer::ScriptedWindowServer(QString path)
    : m_path(std::move(path))
    , m_file(m_path) {
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, [this] {
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
            m_state = *reading;
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
            m_state = *reading;
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

std::optional<QByteArray> ScriptedWindowServer::takeLine() {
    for (;;) {
        if (const qsizetype end = m_pending.indexOf('\n'); end >= 0) {
            QByteArray line = m_pending.left(end);
            m_pending.remove(0, end + 1);
            ++m_lineNumber;
            if (std::exchange(m_skippingOverlongLine, false)) {
                continue;
            }
            return line;
        }
        if (m_file.size() < m_file.pos()) {
            report(QStringLiteral("the file was truncated; reading it again from the start"), {});
            m_file.seek(0);
            m_pending.clear();
            m_lineNumber = 0;
        }
        const QByteArray more = m_file.read(longestLine);
        if (more.isEmpty()) {
            return std::nullopt; // a last line without its newline waits for the rest
        }
        m_pending += more;
        if (m_pending.size() > longestLine && !m_pending.contains('\n')) {
            report(QStringLiteral("line too long, skipped"), m_pending.left(80));
            m_pending.clear();
            m_skippingOverlongLine = true;
        }
    }
}

void ScriptedWindowServer::report(const QString& reason, QByteArrayView line) const {
    QString text = QStringLiteral("❌ %1:%2: %3").arg(m_path).arg(m_lineNumber).arg(reason);
    if (!line.isEmpty()) {
        text += QStringLiteral(": ") + QString::fromUtf8(line.first(std::min<qsizetype>(line.size(), 200)));
    }
    Diagnostics::systemLog(text);
}
