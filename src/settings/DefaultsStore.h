// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The per-user store of byte blobs under text keys: key K lives in the file "K.json" of one folder. Every write
// replaces the file atomically, so a crash or power cut leaves either the old or the new blob, never a torn one.
class DefaultsStore {
public:
    struct Result {
        QString path;  // the file written or created
        QString error; // empty on success
        explicit operator bool() const { return error.isEmpty(); }
    };

    explicit DefaultsStore(QString folder);

    // $XDG_CONFIG_HOME/vantorel, or ~/.config/vantorel when the variable is unset or not absolute.
    static QString standardFolder();
    // The store in the standard folder, created on first use.
    static DefaultsStore& standard();

    QString folder() const { return m_folder; }
    QString pathForKey(const QString& key) const;

    // Nothing when no blob is stored under the key. A file that exists but cannot be read, or is too large to be a
    // blob of ours, reads as an empty blob, so that callers treat it as unreadable rather than as absent. Anything
    // but a regular file (a FIFO, a link to a device) holds no blob: one line says so and it reads as absent.
    std::optional<QByteArray> data(const QString& key) const;
    // Creates the folder (mode 0700) when missing and replaces the blob.
    Result setData(const QString& key, const QByteArray& bytes);
    // Copies the blob to "K.json.<suffix>" beside it, leaving the original in place.
    Result copyAside(const QString& key, const QString& suffix) const;
    // Removes what writers killed in the middle of a write left behind (see AtomicFile::removeLeftovers).
    void removeLeftovers(const QString& key) const;

private:
    Result ensureFolder();

    QString m_folder;
};
