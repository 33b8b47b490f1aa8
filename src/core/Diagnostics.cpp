// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "core/Diagnostics.h"

#include <QCoreApplication>
#include <QDateTime>

#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace Diagnostics {
namespace {

Sink& currentSink() {
    static Sink sink;
    return sink;
}

// Local time. Asking for it reads the time zone file every time; the offset from UTC is asked for again once a minute,
// soon enough for a change to or from daylight saving time.
QString localTimeStamp() {
    static qint64 offsetAskedAt = 0;
    static int offsetSeconds = 0;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    if (now.toMSecsSinceEpoch() - offsetAskedAt > 60'000) {
        offsetAskedAt = now.toMSecsSinceEpoch();
        offsetSeconds = now.toLocalTime().offsetFromUtc();
    }
    const QDateTime local = now.addSecs(offsetSeconds);
    const QDate date = local.date();
    const QTime time = local.time();
    // What toString("yyyy-MM-dd HH:mm:ss.zzz") writes, without its calendar and locale machinery.
    return QString::asprintf("%04d-%02d-%02d %02d:%02d:%02d.%03d", date.year(), date.month(), date.day(), time.hour(),
                             time.minute(), time.second(), time.msec());
}

void writeLine(std::FILE* stream, const QString& line) {
    const QByteArray bytes = line.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
    std::fputc('\n', stream);
    std::fflush(stream);
}

void deliver(Channel channel, const QString& line) {
    if (const Sink& sink = currentSink()) {
        sink(channel, line);
        return;
    }
    if (channel == Channel::StandardOutput) {
        writeLine(stdout, line);
        return;
    }
    writeLine(stderr, QStringLiteral("%1 vantorel[%2] %3").arg(localTimeStamp()).arg(::getpid()).arg(line));
}

} // namespace

void print(const QString& line) {
    deliver(Channel::StandardOutput, line);
}

void systemLog(const QString& line) {
    deliver(Channel::SystemLog, line);
}

Sink setSink(Sink sink) {
    return std::exchange(currentSink(), std::move(sink));
}

QString formatList(const QList<qint64>& values) {
    QString text = QStringLiteral("[");
    for (qsizetype i = 0; i < values.size(); ++i) {
        if (i > 0) {
            text += QStringLiteral(", ");
        }
        text += QString::number(values[i]);
    }
    text += QLatin1Char(']');
    return text;
}

QString systemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace Diagnostics
