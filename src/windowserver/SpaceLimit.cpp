// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "windowserver/SpaceLimit.h"

#include "core/Diagnostics.h"

SpaceLimit::SpaceLimit(QString source)
    : m_source(std::move(source)) {}

QList<qint64> SpaceLimit::bounded(QList<qint64> spaces) {
    const bool beyond = spaces.size() > mostSpaces;
    if (beyond && !m_beyond) {
        Diagnostics::systemLog(QStringLiteral("⚠️ %1: %2 desktops, more than %3; following the first %3")
                                   .arg(m_source)
                                   .arg(spaces.size())
                                   .arg(mostSpaces));
    }
    m_beyond = beyond;
    if (beyond) {
        spaces.resize(mostSpaces);
    }
    return spaces;
}
