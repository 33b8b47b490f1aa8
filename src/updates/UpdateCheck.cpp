// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "updates/UpdateCheck.h"

#include "core/LocalizedTexts.h"
#include "core/TextKeys.h"

#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSysInfo>
#include <QTimer>

using LocalizedTexts::localized;

UpdateCheck::UpdateCheck(QUrl feed, QString runningVersion, QObject* parent)
    : QObject(parent)
    , m_feed(std::move(feed))
    , m_runningVersion(std::move(runningVersion))
    , m_network(new QNetworkAccessManager(this)) {}

QString UpdateCheck::operatingSystem() {
    return QStringLiteral("linux-") + QSysInfo::currentCpuArchitecture();
}

bool UpdateCheck::isAllowed(const QUrl& url) {
    if (url.scheme() == u"https") {
        return true;
    }
    const QHostAddress host(url.host());
    return url.scheme() == u"http" && (url.host() == u"localhost" || host.isLoopback());
}

void UpdateCheck::start(int timeoutMs) {
    if (m_feed.isEmpty()) {
        QMetaObject::invokeMethod(
            this,
            [this] {
                finish({Outcome::NotConfigured, {}, {}});
            },
            Qt::QueuedConnection);
        return;
    }
    if (!isAllowed(m_feed)) {
        QMetaObject::invokeMethod(
            this,
            [this] {
                finish({Outcome::Failed, {}, localized(TextKeys::updateFeedInsecure).arg(m_feed.toString())});
            },
            Qt::QueuedConnection);
        return;
    }
    QNetworkRequest request(m_feed);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::UserVerifiedRedirectPolicy);
    request.setMaximumRedirectsAllowed(5);
    m_reply = m_network->get(request);
    // One deadline for the whole check: a feed that trickles in byte by byte must not keep it open.
    QTimer::singleShot(timeoutMs, this, [this] { finish({Outcome::Failed, {}, localized(TextKeys::updateTimeout)}); });
    connect(m_reply, &QNetworkReply::redirected, this, [this](const QUrl& target) {
        if (isAllowed(target)) {
            emit m_reply->redirectAllowed();
        } else {
            finish({Outcome::Failed, {}, localized(TextKeys::updateRedirectInsecure).arg(target.toString())});
        }
    });
    connect(m_reply, &QNetworkReply::downloadProgress, this, [this](qint64 received, qint64 total) {
        if (received > maximumFeedSize || total > maximumFeedSize) {
            finish({Outcome::Failed, {}, localized(TextKeys::updateTooLarge)});
        }
    });
    connect(m_reply, &QNetworkReply::finished, this, [this] {
        if (m_reply->error() != QNetworkReply::NoError) {
            finish({Outcome::Failed, {}, localized(TextKeys::updateNetworkError).arg(m_reply->errorString())});
        } else {
            evaluate(m_reply->readAll());
        }
    });
}

void UpdateCheck::evaluate(const QByteArray& bytes) {
    const Appcast::Feed feed = Appcast::parse(bytes, operatingSystem());
    if (!feed.error.isEmpty()) {
        finish({Outcome::Failed, {}, localized(TextKeys::updateFeedBroken).arg(feed.error)});
        return;
    }
    const std::optional<Appcast::Item> newest = Appcast::newest(feed.items);
    if (newest && Appcast::compareVersions(newest->version, m_runningVersion) > 0) {
        finish({Outcome::UpdateAvailable, *newest, {}});
    } else {
        finish({Outcome::UpToDate, {}, {}});
    }
}

void UpdateCheck::finish(Result result) {
    if (std::exchange(m_finished, true)) {
        return;
    }
    if (m_reply != nullptr) {
        m_reply->disconnect(this);
        m_reply->abort();
        m_reply->deleteLater();
    }
    emit finished(result);
}
