// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "statusbar/sni/StatusNotifierPresenter.h"

#include "core/Diagnostics.h"
#include "core/MainQueue.h"
#include "statusbar/sni/DBusMenuExporter.h"
#include "statusbar/StatusBarItemView.h"
#include "statusbar/StatusItemImages.h"
#include "statusbar/StatusTile.h"
#include "statusbar/sni/LabelledStatusNotifierItemAdaptor.h"
#include "statusbar/sni/StatusNotifierHost.h"
#include "statusbar/sni/StatusNotifierItemAdaptor.h"
#include "statusbar/sni/StatusNotifierRegistration.h"

#include <QCoreApplication>
#include <QCursor>
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

// A panel's own report of a click lands within its item, which is at most this far from the pointer that clicked.
constexpr int clickReportTolerancePx = 64;

} // namespace

StatusNotifierPresenter::StatusNotifierPresenter(StatusItem& item, QDBusConnection connection, QObject* parent)
    : QObject(parent)
    , m_item(item)
    , m_button(*item.button())
    , m_connection(std::move(connection))
    , m_menuExporter(new DBusMenuExporter([&item] { return item.buildMenu(); }, this))
    , m_host(new StatusNotifierHost(m_connection, this))
    , m_registration(new StatusNotifierRegistration(m_connection, serviceName(), {}, this)) {
    registerDBusTypes();
    connect(m_host, &StatusNotifierHost::found, this, &StatusNotifierPresenter::hostFound);
    connect(&m_button, &StatusBarButton::contentChanged, this, &StatusNotifierPresenter::present);
    connect(&m_button, &StatusBarButton::clickPerformed, this, &StatusNotifierPresenter::popUpMenu);
    present();

    if (!m_connection.registerObject(DBusMenuExporter::objectPath, m_menuExporter) ||
        !m_connection.registerService(serviceName())) {
        Diagnostics::systemLog(QStringLiteral("❌ Could not publish the status item as %1 on the session bus: %2")
                                   .arg(serviceName(), m_connection.lastError().message()));
        return;
    }
    m_published = true;
    m_host->find();
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

bool StatusNotifierPresenter::isShown() const {
    return m_registration->isShown();
}

void StatusNotifierPresenter::hostFound() {
    const TrayStyle chosen = TrayStyles::chosen();
    m_style = chosen == TrayStyle::Automatic ? StatusNotifierHost::styleFor(m_host->program()) : chosen;
    // The host reads the item as it registers, so the item is drawn for it first, with the label only for a host that
    // draws it beside the icon.
    present();
    if (m_style == TrayStyle::TileAndText) {
        new LabelledStatusNotifierItemAdaptor(*this);
    } else {
        new StatusNotifierItemAdaptor(*this);
    }
    if (!m_connection.registerObject(itemPath, this)) {
        Diagnostics::systemLog(QStringLiteral("❌ Could not publish the status item as %1 on the session bus: %2")
                                   .arg(serviceName(), m_connection.lastError().message()));
        return;
    }
    m_registration->start();
}

QPoint StatusNotifierPresenter::menuPosition(QPoint reported, std::optional<QPoint> pointer) {
    if (pointer && (reported - *pointer).manhattanLength() > clickReportTolerancePx) {
        return *pointer;
    }
    return reported;
}

void StatusNotifierPresenter::click(StatusBarButton::ClickEvent event, QPoint position) {
    MainQueue::async(this, [this, event, position] {
        // Only X11 tells a program where the pointer is.
        const bool pointerKnown = QGuiApplication::platformName() == QLatin1String("xcb");
        m_clickPosition = menuPosition(position, pointerKnown ? std::optional(QCursor::pos()) : std::nullopt);
        m_button.click(event);
    });
}

void StatusNotifierPresenter::popUpMenu() {
    QMenu* menu = m_item.menu();
    // Offscreen nothing can be shown, and a menu would wait for a choice nobody can make.
    if (menu == nullptr || QGuiApplication::platformName() == QLatin1String("offscreen")) {
        return;
    }
    menu->exec(m_clickPosition);
}

void StatusNotifierPresenter::present() {
    StatusBarItemView* view = StatusBarItemView::shownIn(m_button);
    if (view == nullptr) {
        return;
    }
    const bool wide = m_style == TrayStyle::Wide;
    const int number = m_button.desktopNumber();
    const QString iconKey = wide ? QStringLiteral("wide %1 %2").arg(view->color(), view->title())
                                 : QStringLiteral("tile %1 %2").arg(view->color()).arg(number);
    if (iconKey != m_iconKey) {
        m_iconKey = iconKey;
        m_iconPixmaps.clear();
        if (wide) {
            m_iconPixmaps = {sniPixmap(renderItemView(*view, 1)), sniPixmap(renderItemView(*view, 2))};
        } else {
            for (int size : StatusTile::sizes()) {
                m_iconPixmaps.append(sniPixmap(StatusTile::render(view->color(), number, size)));
            }
        }
        emit iconChanged();
    }
    if (view->title() != m_title) {
        m_title = view->title();
        emit titleChanged();
    }
    const QString label = m_style == TrayStyle::TileAndText ? m_title : QString();
    if (label != m_label) {
        m_label = label;
        emit labelChanged();
    }
}
