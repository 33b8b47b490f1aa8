// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "statusbar/sni/DBusMenuAdaptor.h"

#include "statusbar/sni/DBusMenuExporter.h"

#include <QDBusError>

DBusMenuAdaptor::DBusMenuAdaptor(DBusMenuExporter& exporter)
    : QDBusAbstractAdaptor(&exporter)
    , m_exporter(exporter) {
    connect(&exporter, &DBusMenuExporter::layoutUpdated, this, &DBusMenuAdaptor::LayoutUpdated);
}

uint DBusMenuAdaptor::GetLayout(int parentId, int recursionDepth, const QStringList& propertyNames,
                                DBusMenuLayout& layout) {
    layout = m_exporter.layout(parentId, recursionDepth, propertyNames);
    return m_exporter.revision();
}

QList<DBusMenuItem> DBusMenuAdaptor::GetGroupProperties(const QList<int>& ids, const QStringList& propertyNames) {
    return m_exporter.groupProperties(ids, propertyNames);
}

QDBusVariant DBusMenuAdaptor::GetProperty(int id, const QString& name) {
    if (const std::optional<QVariant> value = m_exporter.property(id, name)) {
        return QDBusVariant(*value);
    }
    m_exporter.sendErrorReply(QDBusError::InvalidArgs, QStringLiteral("No such menu entry or property"));
    return {};
}

void DBusMenuAdaptor::Event(int id, const QString& eventId, const QDBusVariant&, uint) {
    m_exporter.handleEvent(id, eventId);
}

QList<int> DBusMenuAdaptor::EventGroup(const QList<DBusMenuEvent>& events) {
    QList<int> idErrors;
    for (const DBusMenuEvent& event : events) {
        if (!m_exporter.handleEvent(event.id, event.eventId)) {
            idErrors.append(event.id);
        }
    }
    return idErrors;
}

bool DBusMenuAdaptor::AboutToShow(int id) {
    return m_exporter.aboutToShow(id).value_or(false);
}

QList<int> DBusMenuAdaptor::AboutToShowGroup(const QList<int>& ids, QList<int>& idErrors) {
    QList<int> updatesNeeded;
    for (int id : ids) {
        const std::optional<bool> changed = m_exporter.aboutToShow(id);
        if (!changed) {
            idErrors.append(id);
        } else if (*changed) {
            updatesNeeded.append(id);
        }
    }
    return updatesNeeded;
}
