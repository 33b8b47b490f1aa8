// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "core/AtomicFile.h"

#include "core/Diagnostics.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace AtomicFile {
namespace {

QString writeAll(int descriptor, const QByteArray& content) {
    const char* data = content.constData();
    qsizetype left = content.size();
    while (left > 0) {
        const ssize_t written = ::write(descriptor, data, static_cast<size_t>(left));
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return Diagnostics::systemError(errno);
        }
        data += written;
        left -= written;
    }
    return {};
}

void syncFolder(const QByteArray& folder) {
    const int descriptor = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        ::fsync(descriptor);
        ::close(descriptor);
    }
}

// The file to replace: the link's target when `path` is a link to a regular file or to nothing yet.
QString writtenPath(const QString& path) {
    const QFileInfo info(path);
    if (!info.isSymLink()) {
        return path;
    }
    const QFileInfo target(info.symLinkTarget());
    return !target.exists() || (target.isFile() && !target.isSymLink()) ? target.absoluteFilePath() : path;
}

} // namespace

QString replace(const QString& path, const QByteArray& content) {
    const QString written = writtenPath(path);
    const QByteArray target = QFile::encodeName(written);
    QByteArray temporary = target + ".XXXXXX";
    const int descriptor = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (descriptor < 0) {
        return Diagnostics::systemError(errno);
    }
    // Keep the permissions a user gave the file; a new one is private (mkostemp creates 0600).
    if (struct stat existing{}; ::stat(target.constData(), &existing) == 0) {
        ::fchmod(descriptor, existing.st_mode & 07777);
    }
    QString error = writeAll(descriptor, content);
    if (error.isEmpty() && ::fsync(descriptor) != 0) {
        error = Diagnostics::systemError(errno);
    }
    if (::close(descriptor) != 0 && error.isEmpty()) {
        error = Diagnostics::systemError(errno);
    }
    if (error.isEmpty() && ::rename(temporary.constData(), target.constData()) != 0) {
        error = Diagnostics::systemError(errno);
    }
    if (!error.isEmpty()) {
        ::unlink(temporary.constData());
        return error;
    }
    syncFolder(QFile::encodeName(QFileInfo(written).absolutePath()));
    return {};
}

void removeLeftovers(const QString& path) {
    const QFileInfo file(writtenPath(path));
    // mkostemp's six letters and digits.
    const QRegularExpression temporary(
        QStringLiteral("^%1\\.[A-Za-z0-9]{6}$").arg(QRegularExpression::escape(file.fileName())));
    QDir folder = file.absoluteDir();
    for (const QFileInfo& entry : folder.entryInfoList({file.fileName() + QStringLiteral(".??????")},
                                                       QDir::Files | QDir::Hidden | QDir::System)) {
        if (temporary.match(entry.fileName()).hasMatch() && !entry.isSymLink() && entry.ownerId() == ::getuid()) {
            ::unlink(QFile::encodeName(entry.absoluteFilePath()).constData());
        }
    }
}

} // namespace AtomicFile
