// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QString>

// Replaces a file's whole content so that, whatever happens meanwhile (a crash, a power cut, a full disk), the
// file holds either the old or the new content. The new content is written to a temporary file beside it, synced,
// and renamed over the old one; the folder is synced last. Returns the reason of a failure, empty on success.
//
// QSaveFile is not used: it reports success after a short write (as on a full disk) and leaves a torn file.
//
// A symbolic link (as dotfile managers make them) is written through: its target is replaced and the link stays.
// A link to anything but a regular file is replaced itself.
namespace AtomicFile {

QString replace(const QString& path, const QByteArray& content);
// Removes the temporary files that a process killed between writing and renaming left beside the file. Only for
// the one process that writes the file: another one's temporary file may be in use.
void removeLeftovers(const QString& path);

} // namespace AtomicFile
