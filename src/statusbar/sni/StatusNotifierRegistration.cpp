// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "statusbar/sni/StatusNotifierRegistration.h"

#include "core/Diagnostics.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QRegularExpression>

namespace {

const QString watcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString watcherPath = QStringLiteral("/StatusNotifierWatcher");

} // namespace

StatusNotifierRegistration::StatusNotifierRegistration(QDBusConnection connection, QString service, QString itemPath,
                                                       Timing timing, QObject* parent)
    : QObject(parent)
    , m_connection(std::move(connection))
    , m_service(std::move(service))
    , m_itemPath(std::move(itemPath))
    , m_timing(timing) {
    m_retry.setSingleShot(true);
    m_settle.setSingleShot(true);
    connect(&m_retry, &QTimer::timeout, this, &StatusNotifierRegistration::registerItem);
    connect(&m_settle, &QTimer::timeout, this, [this] { checkListed(true); });
    m_connection.connect(watcherService, watcherPath, watcherService, QStringLiteral("StatusNotifierItemUnregistered"),
                         this, SLOT(itemUnregistered(QString)));
}

void StatusNotifierRegistration::start() {
    m_attempts = 0;
    m_retry.stop();
    m_settle.stop();
    setShown(false);
    registerItem();
}

void StatusNotifierRegistration::registerItem() {
    QDBusMessage call = QDBusMessage::createMethodCall(watcherService, watcherPath, watcherService,
                                                       QStringLiteral("RegisterStatusNotifierItem"));
    call << m_itemPath;
    auto* reply = new QDBusPendingCallWatcher(m_connection.asyncCall(call), this);
    connect(reply, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* finished) {
        finished->deleteLater();
        if (finished->isError()) {
            retryLater(QStringLiteral("the StatusNotifierWatcher did not take the status item: %1")
                           .arg(finished->error().message()));
            return;
        }
        checkListed(false);
        m_settle.start(m_timing.settleMs);
    });
}

void StatusNotifierRegistration::checkListed(bool settled) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        watcherService, watcherPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    call << watcherService << QStringLiteral("RegisteredStatusNotifierItems");
    auto* reply = new QDBusPendingCallWatcher(m_connection.asyncCall(call), this);
    connect(reply, &QDBusPendingCallWatcher::finished, this, [this, settled](QDBusPendingCallWatcher* finished) {
        finished->deleteLater();
        const QDBusPendingReply<QDBusVariant> items = *finished;
        const QStringList listed = items.isError() ? QStringList() : items.value().variant().toStringList();
        const bool ours =
            std::any_of(listed.cbegin(), listed.cend(), [this](const QString& item) { return isOurs(item); });
        if (ours) {
            if (settled) {
                m_attempts = 0;
            }
            setShown(true);
        } else if (settled) {
            retryLater(QStringLiteral("the StatusNotifierWatcher does not list the status item"));
        }
    });
}

void StatusNotifierRegistration::itemUnregistered(const QString& item) {
    if (isOurs(item)) {
        retryLater(QStringLiteral("the StatusNotifierWatcher dropped the status item"));
    }
}

void StatusNotifierRegistration::retryLater(const QString& reason) {
    setShown(false);
    m_settle.stop();
    const int waitMs = std::min(m_timing.longestRetryMs, m_timing.firstRetryMs << std::min(m_attempts, 16));
    ++m_attempts;
    Diagnostics::systemLog(QStringLiteral("🔄 Registering the status item again in %1 ms: %2").arg(waitMs).arg(reason));
    m_retry.start(waitMs);
}

void StatusNotifierRegistration::setShown(bool shown) {
    if (shown == m_shown) {
        return;
    }
    m_shown = shown;
    if (shown) {
        Diagnostics::systemLog(QStringLiteral("✅ Status item shown by the StatusNotifierWatcher as %1").arg(m_service));
    }
    emit shownChanged(shown);
}

// Watchers list "service/path", "service@path" (GNOME) or "service", with our connection's unique name or the name we
// hold.
bool StatusNotifierRegistration::isOurs(const QString& item) const {
    const QString service = item.section(QRegularExpression(QStringLiteral("[/@]")), 0, 0);
    return service == m_service || service == m_connection.baseService();
}
