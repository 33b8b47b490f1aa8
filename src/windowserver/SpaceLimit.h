// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QList>
#include <QString>

// The most Spaces a window server may report. Every Space costs a configuration, a row in the marking window and a
// line in every settings document; no one names thousands of desktops, but a broken or hostile peer can report them.
class SpaceLimit {
public:
    static constexpr qsizetype mostSpaces = 1024;

    // `source` names the window server in the diagnostic line.
    explicit SpaceLimit(QString source);

    // The first mostSpaces of `spaces`. One line says so when a list first goes beyond the limit.
    QList<qint64> bounded(QList<qint64> spaces);

private:
    QString m_source;
    bool m_beyond = false;
};
