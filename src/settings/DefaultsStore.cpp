// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "settings/DefaultsStore.h"

#include "core/Diagnostics.h"

#include "core/AtomicFile.h"
#include "core/RegularFile.h"
#include "core/XdgConfig.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace {

constexpr qint64 maximumBlobSize = 64 * 1024 * 1024;

} // namespace

DefaultsStore::DefaultsStore(QString folder)
    : m_folder(std::move(folder)) {}

QString DefaultsStore::standardFolder() {
    return XdgConfig::folder(QStringLiteral("vantorel"));
}

DefaultsStore& DefaultsStore::standard() {
    static DefaultsStore store(standardFolder());
    return store;
}

QString DefaultsStore::pathForKey(const QString& key) const {
    return m_folder + QLatin1Char('/') + key + QStringLiteral(".json");
}

std::optional<QByteArray> DefaultsStore::data(const QString& key) const {
    const QString path = pathForKey(key);
    RegularFile::Result file = RegularFile::read(path, maximumBlobSize);
    switch (file.outcome) {
    case RegularFile::Outcome::Read:
        return std::move(file.bytes);
    case RegularFile::Outcome::Missing:
        return std::nullopt;
    case RegularFile::Outcome::NotRegular:
        // Nothing in it to keep: the first save puts a regular file in its place.
        Diagnostics::print(QStringLiteral("❌ Ignoring %1: %2").arg(path, file.error));
        return std::nullopt;
    case RegularFile::Outcome::TooLarge:
    case RegularFile::Outcome::Failed:
        break;
    }
    return QByteArray();
}

void DefaultsStore::removeLeftovers(const QString& key) const {
    AtomicFile::removeLeftovers(pathForKey(key));
}

DefaultsStore::Result DefaultsStore::ensureFolder() {
    const QFileInfo info(m_folder);
    if (info.isDir()) {
        return {m_folder, {}};
    }
    if (!QDir().mkpath(info.absolutePath())) {
        return {info.absolutePath(), QStringLiteral("cannot create the folder")};
    }
    if (::mkdir(QFile::encodeName(m_folder).constData(), 0700) != 0 && errno != EEXIST) {
        return {m_folder, Diagnostics::systemError()};
    }
    return {m_folder, {}};
}

DefaultsStore::Result DefaultsStore::setData(const QString& key, const QByteArray& bytes) {
    const QString path = pathForKey(key);
    if (const Result folder = ensureFolder(); !folder) {
        return {path, folder.error};
    }
    return {path, AtomicFile::replace(path, bytes)};
}

DefaultsStore::Result DefaultsStore::copyAside(const QString& key, const QString& suffix) const {
    const QString source = pathForKey(key);
    const QString target = source + QLatin1Char('.') + suffix;
    QFile file(source);
    if (!file.copy(target)) {
        return {target, file.errorString()};
    }
    return {target, {}};
}
