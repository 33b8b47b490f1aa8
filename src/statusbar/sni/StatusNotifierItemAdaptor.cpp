// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "statusbar/sni/StatusNotifierItemAdaptor.h"

#include "BuildInfo.h"
#include "statusbar/sni/DBusMenuExporter.h"
#include "statusbar/sni/StatusNotifierPresenter.h"

StatusNotifierItemAdaptor::StatusNotifierItemAdaptor(StatusNotifierPresenter& presenter)
    : QDBusAbstractAdaptor(&presenter)
    , m_presenter(presenter) {
    connect(&presenter, &StatusNotifierPresenter::iconChanged, this, &StatusNotifierItemAdaptor::NewIcon);
    connect(&presenter, &StatusNotifierPresenter::titleChanged, this, [this] {
        emit NewTitle();
        emit NewToolTip();
    });
}

QString StatusNotifierItemAdaptor::title() const {
    return m_presenter.title();
}

QList<SniPixmap> StatusNotifierItemAdaptor::iconPixmap() const {
    return m_presenter.iconPixmaps();
}

SniToolTip StatusNotifierItemAdaptor::toolTip() const {
    return {QLatin1String(BuildInfo::applicationId), {}, m_presenter.title(), QString()};
}

QDBusObjectPath StatusNotifierItemAdaptor::menu() const {
    return QDBusObjectPath(DBusMenuExporter::objectPath);
}

void StatusNotifierItemAdaptor::Activate(int x, int y) {
    m_presenter.click(StatusBarButton::LeftMouseUp, QPoint(x, y));
}

void StatusNotifierItemAdaptor::ContextMenu(int x, int y) {
    m_presenter.click(StatusBarButton::RightMouseUp, QPoint(x, y));
}

// The middle button and the wheel have nothing to do.
void StatusNotifierItemAdaptor::SecondaryActivate(int, int) {}

void StatusNotifierItemAdaptor::Scroll(int, const QString&) {}
