// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QString>

// Reads a file the user may have replaced by anything: a FIFO would block an ordinary open for ever and a link to
// /dev/zero would never end, so the file is opened without blocking, refused unless it is a regular file, and read
// only up to a limit, counted by what is actually read rather than by the size the file claims.
namespace RegularFile {

// A folder fails like a file that cannot be read; NotRegular is anything else that is not a plain file.
enum class Outcome { Read, Missing, NotRegular, TooLarge, Failed };

struct Result {
    Outcome outcome = Outcome::Failed;
    QByteArray bytes; // with Outcome::Read
    QString error;    // why not, for a diagnostic line
};

Result read(const QString& path, qint64 limit);

} // namespace RegularFile
