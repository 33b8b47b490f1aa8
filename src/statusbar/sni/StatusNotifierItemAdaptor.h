// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "statusbar/sni/DBusTypes.h"

#include <QDBusAbstractAdaptor>
#include <QDBusObjectPath>

class StatusNotifierPresenter;

// The org.kde.StatusNotifierItem interface of a StatusNotifierPresenter, which it is a child of.
class StatusNotifierItemAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierItem")
    Q_PROPERTY(QString Category READ category)
    Q_PROPERTY(QString Id READ id)
    Q_PROPERTY(QString Title READ title)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(QString IconName READ iconName)
    Q_PROPERTY(QList<SniPixmap> IconPixmap READ iconPixmap)
    Q_PROPERTY(QList<SniPixmap> AttentionIconPixmap READ noPixmaps)
    Q_PROPERTY(QList<SniPixmap> OverlayIconPixmap READ noPixmaps)
    Q_PROPERTY(SniToolTip ToolTip READ toolTip)
    Q_PROPERTY(bool ItemIsMenu READ itemIsMenu)
    Q_PROPERTY(QDBusObjectPath Menu READ menu)

public:
    explicit StatusNotifierItemAdaptor(StatusNotifierPresenter& presenter);

    QString category() const { return QStringLiteral("ApplicationStatus"); }
    QString id() const { return QStringLiteral("vantorel"); }
    QString title() const;
    QString status() const { return QStringLiteral("Active"); }
    // No theme icon: hosts draw a named icon in preference to the pixmaps, and the pixmaps are the label.
    QString iconName() const { return {}; }
    QList<SniPixmap> iconPixmap() const;
    QList<SniPixmap> noPixmaps() const { return {}; }
    SniToolTip toolTip() const;
    // Panels open the menu on a left click as on a right one: the item has nothing else to do on a click.
    bool itemIsMenu() const { return true; }
    QDBusObjectPath menu() const;

public slots:
    void Activate(int x, int y);
    void ContextMenu(int x, int y);
    void SecondaryActivate(int x, int y);
    void Scroll(int delta, const QString& orientation);

signals:
    void NewIcon();
    void NewTitle();
    void NewToolTip();
    void NewStatus(const QString& status);

protected:
    StatusNotifierPresenter& m_presenter;
};
