// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "app/ApplicationIcon.h"

#include "BuildInfo.h"

#include <QDirIterator>

QIcon applicationIcon() {
    QIcon builtIn;
    QDirIterator sizes(QStringLiteral(":/icons"), QDir::Dirs | QDir::NoDotAndDotDot);
    while (sizes.hasNext()) {
        builtIn.addFile(sizes.next() + QLatin1Char('/') + QLatin1String(BuildInfo::applicationId) +
                        QStringLiteral(".png"));
    }
    return QIcon::fromTheme(QLatin1String(BuildInfo::applicationId), builtIn);
}
