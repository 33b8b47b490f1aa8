// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "statusbar/sni/StatusNotifierPresenter.h"

#include "core/Diagnostics.h"
#include "statusbar/sni/DBusMenuExporter.h"
#include "statusbar/StatusBarItemView.h"
#include "statusbar/StatusItemImages.h"
#include "statusbar/sni/StatusNotifierItemAdaptor.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusPendingCallWatcher>
#include <QGuiApplication>
#include <QMenu>
#include <QtEndian>

namespace {

// Pixels as the protocol wants them: 32-bit ARGB, not premultiplied, most significant byte first.
SniPixmap sniPixmap(const QImage& picture) {
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    SniPixmap pixmap{image.width(), image.height(), QByteArray(qsizetype(image.width()) * image.height() * 4, 0)};
    auto* out = reinterpret_cast<quint32*>(pixmap.bytes.data());
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const quint32*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            *out++ = qToBigEndian(row[x]);
        }
    }
    return pixmap;
}

} // namespace

StatusNotifierPresenter::StatusNotifierPresenter(StatusItem& item, QDBusConnection connection, QObject* parent)
    : QObject(parent)
    , m_item(item)
    , m_button(*item.button())
    , m_connection(std::move(connection))
    , m_menuExporter(new DBusMenuExporter([&item] { return item.buildMenu(); }, this)) {
    registerDBusTypes();
    new StatusNotifierItemAdaptor(*this);
    connect(&item, &StatusItem::labelChanged, this, &StatusNotifierPresenter::present);
    connect(&m_button, &StatusBarButton::clickPerformed, this, &StatusNotifierPresenter::popUpMenu);
    if (item.label()) {
        present(*item.label());
    }

    if (!m_connection.registerObject(itemPath, this) ||
        !m_connection.registerObject(DBusMenuExporter::objectPath, m_menuExporter) ||
        !m_connection.registerService(serviceName())) {
        Diagnostics::systemLog(QStringLiteral("❌ Could not publish the status item as %1 on the session bus: %2")
                                   .arg(serviceName(), m_connection.lastError().message()));
        return;
    }
    m_published = true;
    registerWithWatcher();
}

StatusNotifierPresenter::~StatusNotifierPresenter() {
    // What another presenter published stays.
    if (!m_published) {
        return;
    }
    m_connection.unregisterService(serviceName());
    m_connection.unregisterObject(DBusMenuExporter::objectPath);
    m_connection.unregisterObject(itemPath);
}

QString StatusNotifierPresenter::serviceName() {
    return QStringLiteral("org.kde.StatusNotifierItem-%1-1").arg(QCoreApplication::applicationPid());
}

void StatusNotifierPresenter::registerWithWatcher() {
    QDBusMessage call = QDBusMessage::createMethodCall(watcherService, watcherPath, watcherService,
                                                       QStringLiteral("RegisterStatusNotifierItem"));
    call << serviceName();
    auto* reply = new QDBusPendingCallWatcher(m_connection.asyncCall(call), this);
    connect(reply, &QDBusPendingCallWatcher::finished, this, [](QDBusPendingCallWatcher* finished) {
        finished->deleteLater();
        if (finished->isError()) {
            Diagnostics::systemLog(QStringLiteral("❌ The StatusNotifierWatcher did not take the status item: %1")
                                       .arg(finished->error().message()));
        } else {
            Diagnostics::systemLog(
                QStringLiteral("✅ Status item shown by the StatusNotifierWatcher as %1").arg(serviceName()));
        }
    });
}

void StatusNotifierPresenter::click(StatusBarButton::ClickEvent event, QPoint position) {
    QMetaObject::invokeMethod(
        this,
        [this, event, position] {
            m_clickPosition = position;
            m_button.click(event);
        },
        Qt::QueuedConnection);
}

void StatusNotifierPresenter::popUpMenu() {
    QMenu* menu = m_item.menu();
    // Offscreen nothing can be shown, and a menu would wait for a choice nobody can make.
    if (menu == nullptr || QGuiApplication::platformName() == QLatin1String("offscreen")) {
        return;
    }
    menu->exec(m_clickPosition);
}

void StatusNotifierPresenter::present(const StatusLabel& label) {
    const QList<SniPixmap>& pixmaps = m_pictures.value({label.name, label.color}, [&label] {
        StatusBarItemView view(label.name, label.color, ColorApplication::labelBackground);
        return QList<SniPixmap>{sniPixmap(renderItemView(view, 1)), sniPixmap(renderItemView(view, 2))};
    });
    if (pixmaps != m_iconPixmaps) {
        m_iconPixmaps = pixmaps;
        emit iconChanged();
    }
    if (label.name != m_title) {
        m_title = label.name;
        emit titleChanged();
    }
}
