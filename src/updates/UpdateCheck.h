// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "updates/Appcast.h"

#include <QObject>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

// One look at the update feed. It fetches the feed (https only, except on this machine's own loopback address),
// gives up after a timeout or when the feed grows beyond 1 MiB, refuses redirects that leave https, and compares the
// newest item with the running version. It never downloads or installs a release.
class UpdateCheck : public QObject {
    Q_OBJECT

public:
    enum class Outcome { UpToDate, UpdateAvailable, NotConfigured, Failed };
    struct Result {
        Outcome outcome = Outcome::Failed;
        Appcast::Item newest; // with UpdateAvailable
        QString reason;       // with Failed: what went wrong, for people
    };

    static constexpr qint64 maximumFeedSize = 1024 * 1024;
    static constexpr int defaultTimeoutMs = 15000;

    UpdateCheck(QUrl feed, QString runningVersion, QObject* parent = nullptr);

    // Starts the check; `finished` follows once, from the event loop.
    void start(int timeoutMs = defaultTimeoutMs);

    // The operating system named in feed items meant for this program.
    static QString operatingSystem();
    // Whether the program may fetch this address: https, or any scheme's loopback address.
    static bool isAllowed(const QUrl& url);

signals:
    void finished(const UpdateCheck::Result& result);

private:
    void finish(Result result);
    void evaluate(const QByteArray& bytes);

    QUrl m_feed;
    QString m_runningVersion;
    QNetworkAccessManager* m_network;
    QNetworkReply* m_reply = nullptr;
    bool m_finished = false;
};
