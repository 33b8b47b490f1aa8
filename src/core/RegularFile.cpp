// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "core/RegularFile.h"

#include "core/Diagnostics.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace RegularFile {

Result read(const QString& path, qint64 limit) {
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (descriptor < 0) {
        return {errno == ENOENT ? Outcome::Missing : Outcome::Failed, {}, Diagnostics::systemError()};
    }
    Result result;
    struct stat status {};
    if (::fstat(descriptor, &status) != 0) {
        result = {Outcome::Failed, {}, Diagnostics::systemError()};
    } else if (S_ISDIR(status.st_mode)) {
        result = {Outcome::Failed, {}, QStringLiteral("a folder")};
    } else if (!S_ISREG(status.st_mode)) {
        result = {Outcome::NotRegular, {}, QStringLiteral("not a regular file")};
    } else {
        result.outcome = Outcome::Read;
        char chunk[64 * 1024];
        for (;;) {
            const ssize_t got = ::read(descriptor, chunk, sizeof chunk);
            if (got < 0 && errno == EINTR) {
                continue;
            }
            if (got < 0) {
                result = {Outcome::Failed, {}, Diagnostics::systemError()};
                break;
            }
            if (got == 0) {
                break;
            }
            if (result.bytes.size() + got > limit) {
                result = {Outcome::TooLarge, {}, QStringLiteral("larger than %1 bytes").arg(limit)};
                break;
            }
            result.bytes.append(chunk, got);
        }
    }
    ::close(descriptor);
    return result;
}

} // namespace RegularFile
