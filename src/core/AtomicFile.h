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
namespace AtomicFile {

QString replace(const QString& path, const QByteArray& content);

} // namespace AtomicFile
