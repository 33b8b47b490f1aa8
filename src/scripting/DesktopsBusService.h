// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QDBusConnection>
#include <QDBusContext>
#include <QList>
#include <QObject>
#include <QVariantMap>

class DesktopDirectory;
struct Desktop;

// The desktops on the session bus, as data/org.vantorel.Vantorel.Desktops.xml describes them: every desktop, renaming,
// recolouring and switching by the number the user sees, and a signal whenever the active desktop's label changes.
class DesktopsBusService : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.vantorel.Vantorel.Desktops")

public:
    // The application's id, and the path made of it.
    static QString serviceName();
    static QString objectPath();

    explicit DesktopsBusService(DesktopDirectory& directory, QObject* parent = nullptr);

    // Registers the object and takes the service name; the reason when the bus refuses either.
    QString publish(QDBusConnection connection);

public slots:
    Q_SCRIPTABLE QList<QVariantMap> List();
    Q_SCRIPTABLE void Rename(int number, const QString& name);
    Q_SCRIPTABLE void Recolor(int number, const QString& color);
    Q_SCRIPTABLE void Switch(int number);

signals:
    Q_SCRIPTABLE void ActiveDesktopChanged(const QString& name, const QString& color, int number);

private:
    // Carries out `operation` on the numbered desktop, or answers the caller with the error.
    void apply(int number, const std::function<QString(const Desktop&)>& operation);

    DesktopDirectory& m_directory;
};
