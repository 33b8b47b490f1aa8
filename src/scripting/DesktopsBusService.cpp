// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "scripting/DesktopsBusService.h"

#include "BuildInfo.h"
#include "scripting/DesktopDirectory.h"

#include <QDBusConnectionInterface>
#include <QDBusMetaType>

namespace {

const QString noSuchDesktop = QStringLiteral("org.vantorel.Vantorel.Error.NoSuchDesktop");
const QString refused = QStringLiteral("org.vantorel.Vantorel.Error.Refused");

} // namespace

DesktopsBusService::DesktopsBusService(DesktopDirectory& directory, QObject* parent)
    : QObject(parent)
    , m_directory(directory) {
    qDBusRegisterMetaType<QList<QVariantMap>>();
    connect(&m_directory, &DesktopDirectory::activeDesktopChanged, this, [this](const Desktop& desktop) {
        emit ActiveDesktopChanged(desktop.name, desktop.color, int(desktop.number));
    });
}

QString DesktopsBusService::serviceName() {
    return QLatin1String(BuildInfo::applicationId);
}

QString DesktopsBusService::objectPath() {
    return QLatin1Char('/') + serviceName().replace(QLatin1Char('.'), QLatin1Char('/'));
}

QString DesktopsBusService::publish(QDBusConnection connection) {
    if (!connection.registerObject(objectPath(), this,
                                   QDBusConnection::ExportScriptableSlots | QDBusConnection::ExportScriptableSignals)) {
        return QStringLiteral("cannot register %1: %2").arg(objectPath(), connection.lastError().message());
    }
    if (!connection.registerService(serviceName())) {
        return QStringLiteral("cannot take the name %1: %2").arg(serviceName(), connection.lastError().message());
    }
    return {};
}

QList<QVariantMap> DesktopsBusService::List() {
    QList<QVariantMap> result;
    const QList<Desktop> desktops = m_directory.desktops();
    for (const Desktop& desktop : desktops) {
        result.append({{QStringLiteral("number"), int(desktop.number)},
                       {QStringLiteral("id"), desktop.spaceID},
                       {QStringLiteral("name"), desktop.name},
                       {QStringLiteral("color"), desktop.color},
                       {QStringLiteral("active"), desktop.active},
                       {QStringLiteral("output"), desktop.output.value_or(QString())}});
    }
    return result;
}

void DesktopsBusService::Rename(int number, const QString& name) {
    apply(number, [&](const Desktop& desktop) { return m_directory.rename(desktop.spaceID, name); });
}

void DesktopsBusService::Recolor(int number, const QString& color) {
    apply(number, [&](const Desktop& desktop) { return m_directory.recolor(desktop.spaceID, color); });
}

void DesktopsBusService::Switch(int number) {
    apply(number, [&](const Desktop& desktop) { return m_directory.switchTo(desktop.spaceID); });
}

void DesktopsBusService::apply(int number, const std::function<QString(const Desktop&)>& operation) {
    const std::optional<Desktop> desktop = m_directory.withNumber(number);
    if (!desktop) {
        sendErrorReply(noSuchDesktop, QStringLiteral("there is no desktop %1").arg(number));
        return;
    }
    if (const QString problem = operation(*desktop); !problem.isEmpty()) {
        sendErrorReply(refused, QStringLiteral("desktop %1: %2").arg(number).arg(problem));
    }
}
