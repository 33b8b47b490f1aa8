// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "FakeStatusNotifierHost.h"

#include <QDBusArgument>
#include <QDBusVariant>

FakeStatusNotifierHost::FakeStatusNotifierHost(const QString& busAddress, const QString& connectionName)
    : m_connection(QDBusConnection::connectToBus(busAddress, connectionName)) {
    m_connection.registerObject(QStringLiteral("/StatusNotifierWatcher"), this,
                                QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties |
                                    QDBusConnection::ExportAllSignals);
}

FakeStatusNotifierHost::~FakeStatusNotifierHost() {
    QDBusConnection::disconnectFromBus(m_connection.name());
}

bool FakeStatusNotifierHost::startWatcher(bool replacing) {
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply = m_connection.interface()->registerService(
        QStringLiteral("org.kde.StatusNotifierWatcher"),
        replacing ? QDBusConnectionInterface::ReplaceExistingService : QDBusConnectionInterface::DontQueueService,
        QDBusConnectionInterface::AllowReplacement);
    return reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered;
}

void FakeStatusNotifierHost::stopWatcher() {
    m_connection.unregisterService(QStringLiteral("org.kde.StatusNotifierWatcher"));
}

QDBusMessage FakeStatusNotifierHost::call(const QString& service, const QString& path, const QString& interface,
                                          const QString& method, const QVariantList& arguments) {
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
    message.setArguments(arguments);
    return m_connection.call(message, QDBus::BlockWithGui);
}

QDBusMessage FakeStatusNotifierHost::clickMenuEntry(const QString& service, int id) {
    return call(service, QStringLiteral("/MenuBar"), QStringLiteral("com.canonical.dbusmenu"), QStringLiteral("Event"),
                {id, QStringLiteral("clicked"), QVariant::fromValue(QDBusVariant(QString())), 0u});
}

QVariantMap FakeStatusNotifierHost::itemProperties(const QString& service) {
    const QDBusMessage reply =
        call(service, QStringLiteral("/StatusNotifierItem"), QStringLiteral("org.freedesktop.DBus.Properties"),
             QStringLiteral("GetAll"), {QStringLiteral("org.kde.StatusNotifierItem")});
    QVariantMap properties;
    reply.arguments().value(0).value<QDBusArgument>() >> properties;
    return properties;
}

// An item names its service, or its object path on the caller's connection; listed as KDE's watcher lists them.
void FakeStatusNotifierHost::RegisterStatusNotifierItem(const QString& serviceOrPath) {
    const bool byPath = serviceOrPath.startsWith(QLatin1Char('/'));
    const QString service = byPath ? message().service() : serviceOrPath;
    registeredItems.append(byPath ? service + serviceOrPath : service);
    for (const char* interface : {"org.kde.StatusNotifierItem", "com.canonical.dbusmenu"}) {
        m_connection.connect(service, QString(), QString::fromLatin1(interface), QString(), this,
                             SLOT(recordSignal(QDBusMessage)));
    }
}

void FakeStatusNotifierHost::recordSignal(const QDBusMessage& message) {
    itemSignals.append(message);
}
