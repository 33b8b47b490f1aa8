// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "windowserver/kwin/KWinWindowServer.h"

#include "core/Diagnostics.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

namespace {

const QString managerPath = QStringLiteral("/VirtualDesktopManager");
const QString managerInterface = QStringLiteral("org.kde.KWin.VirtualDesktopManager");
const QString propertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");
const QString connectionName = QStringLiteral("vantorel-kwin");

QDBusMessage getAll() {
    QDBusMessage message =
        QDBusMessage::createMethodCall(KWinWindowServer::service, managerPath, propertiesInterface, "GetAll");
    message << managerInterface;
    return message;
}

} // namespace

KWinWindowServer::KWinWindowServer(const QString& busAddress)
    : m_bus(QDBusConnection::connectToBus(busAddress, connectionName))
    , m_watcher(service, m_bus, QDBusServiceWatcher::WatchForOwnerChange) {}

KWinWindowServer::~KWinWindowServer() {
    QDBusConnection::disconnectFromBus(connectionName);
}

QString KWinWindowServer::open() {
    if (!m_bus.isConnected()) {
        return QStringLiteral("cannot connect to the session bus");
    }
    if (!m_bus.interface()->isServiceRegistered(service)) {
        return QStringLiteral("%1 is not on the session bus").arg(service);
    }
    // Subscribed before the first reading, so that no change after it goes unseen.
    for (const char* signal : {"currentChanged", "desktopCreated", "desktopRemoved", "desktopDataChanged"}) {
        m_bus.connect(service, managerPath, managerInterface, QString::fromLatin1(signal), this,
                      SLOT(desktopsChanged()));
    }
    const QDBusMessage reply = m_bus.call(getAll());
    QString problem = reply.errorMessage();
    const std::optional<KWinDesktops::Reading> reading =
        reply.type() == QDBusMessage::ReplyMessage ? read(qdbus_cast<QVariantMap>(reply.arguments().value(0)), &problem)
                                                   : std::nullopt;
    if (!reading) {
        return QStringLiteral("%1 gives no desktops: %2").arg(service, problem);
    }
    m_reading = *reading;
    connect(&m_watcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString&, const QString&, const QString& newOwner) {
                if (newOwner.isEmpty()) {
                    Diagnostics::systemLog(
                        QStringLiteral("❌ KWin: left the session bus; keeping the last list of desktops"));
                } else {
                    desktopsChanged();
                }
            });
    Diagnostics::systemLog(QStringLiteral("🔌 Following KWin's virtual desktops on the session bus"));
    return {};
}

std::optional<QList<qint64>> KWinWindowServer::copySpaces(qint32, qint32) {
    return m_limit.bounded(KWinDesktops::spaceIDs(m_reading));
}

quint64 KWinWindowServer::activeSpace(qint32) {
    return KWinDesktops::activeSpace(m_reading);
}

QString KWinWindowServer::desktopName(SpaceID spaceID) const {
    const KWinDesktops::Desktop* desktop = KWinDesktops::desktopOf(m_reading, spaceID);
    return desktop ? desktop->name : QString();
}

void KWinWindowServer::setDesktopName(SpaceID spaceID, const QString& name) {
    const KWinDesktops::Desktop* desktop = KWinDesktops::desktopOf(m_reading, spaceID);
    if (desktop && desktop->name != name) {
        callManager(QStringLiteral("setDesktopName"), {desktop->id, name});
    }
}

QString KWinWindowServer::switchTo(SpaceID spaceID) {
    const KWinDesktops::Desktop* desktop = KWinDesktops::desktopOf(m_reading, spaceID);
    if (!desktop) {
        return QStringLiteral("KWin has no desktop %1").arg(spaceID);
    }
    QDBusMessage message = QDBusMessage::createMethodCall(service, managerPath, propertiesInterface, "Set");
    message << managerInterface << QStringLiteral("current") << QVariant::fromValue(QDBusVariant(desktop->id));
    m_bus.asyncCall(message);
    return {};
}

void KWinWindowServer::callManager(const QString& method, const QVariantList& arguments) {
    QDBusMessage message = QDBusMessage::createMethodCall(service, managerPath, managerInterface, method);
    message.setArguments(arguments);
    m_bus.asyncCall(message);
}

void KWinWindowServer::desktopsChanged() {
    if (std::exchange(m_readingUnderWay, true)) {
        m_readAgain = true;
        return;
    }
    auto* call = new QDBusPendingCallWatcher(m_bus.asyncCall(getAll()), this);
    connect(call, &QDBusPendingCallWatcher::finished, this, [this, call] {
        call->deleteLater();
        m_readingUnderWay = false;
        const QDBusPendingReply<QVariantMap> reply = *call;
        QString problem = reply.error().message();
        const std::optional<KWinDesktops::Reading> reading =
            reply.isValid() ? read(reply.value(), &problem) : std::nullopt;
        if (std::exchange(m_readAgain, false)) {
            desktopsChanged();
        } else if (!reading) {
            Diagnostics::systemLog(QStringLiteral("❌ KWin: %1; keeping the last list of desktops").arg(problem));
        } else if (*reading != m_reading) {
            apply(*reading);
        }
    });
}

std::optional<KWinDesktops::Reading> KWinWindowServer::read(const QVariantMap& properties, QString* problem) const {
    std::optional<QList<KWinDesktops::Desktop>> desktops = KWinDesktops::decode(properties.value("desktops"));
    if (!desktops) {
        *problem = QStringLiteral("the desktops property is not a list of (position, id, name)");
        return std::nullopt;
    }
    return KWinDesktops::Reading{std::move(*desktops), properties.value("current").toString()};
}

void KWinWindowServer::apply(const KWinDesktops::Reading& reading) {
    m_reading = reading;
    emit activeSpaceDidChange();
}
