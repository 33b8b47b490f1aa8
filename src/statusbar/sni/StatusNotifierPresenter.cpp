// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "statusbar/sni/StatusNotifierPresenter.h"

#include "core/Diagnostics.h"
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
    , m_registration(new StatusNotifierRegistration(m_connection, serviceName(), itemPath, {}, this)) {
    registerDBusTypes();
    connect(m_host, &StatusNotifierHost::found, this, &StatusNotifierPresenter::hostFound);
    connect(&item, &StatusItem::labelChanged, this, &StatusNotifierPresenter::present);
    connect(&m_button, &StatusBarButton::clickPerformed, this, &StatusNotifierPresenter::popUpMenu);

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
    if (m_item.label()) {
        present(*m_item.label());
    }
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
    QMetaObject::invokeMethod(
        this,
        [this, event, position] {
            // Only X11 tells a program where the pointer is.
            const bool pointerKnown = QGuiApplication::platformName() == QLatin1String("xcb");
            m_clickPosition = menuPosition(position, pointerKnown ? std::optional(QCursor::pos()) : std::nullopt);
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
    const bool wide = m_style == TrayStyle::Wide;
    const int number = int(label.position) + 1;
    const QString picture = wide ? QStringLiteral("wide %1 %2").arg(label.color, label.name)
                                 : QStringLiteral("tile %1 %2").arg(label.color).arg(number);
    const QList<SniPixmap>& pixmaps = m_pictures.value(picture, [&label, wide, number] {
        if (wide) {
            StatusBarItemView view(label.name, label.color, ColorApplication::labelBackground);
            return QList<SniPixmap>{sniPixmap(renderItemView(view, 1)), sniPixmap(renderItemView(view, 2))};
        }
        QList<SniPixmap> tiles;
        for (int size : StatusTile::sizes()) {
            tiles.append(sniPixmap(StatusTile::render(label.color, number, size)));
        }
        return tiles;
    });
    if (pixmaps != m_iconPixmaps) {
        m_iconPixmaps = pixmaps;
        emit iconChanged();
    }
    if (label.name != m_title) {
        m_title = label.name;
        emit titleChanged();
    }
    const QString text = m_style == TrayStyle::TileAndText ? m_title : QString();
    if (text != m_label) {
        m_label = text;
        emit labelChanged();
    }
}
