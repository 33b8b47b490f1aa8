// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "statusbar/tray/TrayPresenter.h"

#include "core/Diagnostics.h"
#include "statusbar/StatusItem.h"
#include "statusbar/StatusTile.h"
#include "statusbar/tray/TrayHostWatcher.h"

#include <QCursor>
#include <QHash>
#include <QMenu>
#include <QIconEngine>
#include <QPainter>
#include <QSystemTrayIcon>

namespace {

// Draws the icon at whatever size the tray asks for, once per size.
class TrayIconEngine : public QIconEngine {
public:
    TrayIconEngine(QString color, int number)
        : m_color(std::move(color))
        , m_number(number) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = std::min(size.width(), size.height());
        auto cached = m_pixmaps.constFind(side);
        if (cached == m_pixmaps.cend()) {
            cached = m_pixmaps.insert(side, QPixmap::fromImage(StatusTile::render(m_color, m_number, side)));
        }
        return *cached;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    QIconEngine* clone() const override { return new TrayIconEngine(m_color, m_number); }

private:
    QString m_color;
    int m_number;
    QHash<int, QPixmap> m_pixmaps;
};

} // namespace

TrayPresenter::TrayPresenter(StatusItem& item, QObject* parent)
    : QObject(parent)
    , m_item(item)
    , m_button(*item.button())
    , m_trayHostWatcher(new TrayHostWatcher(this))
    , m_trayIcon(new QSystemTrayIcon(this)) {
    connect(&item, &StatusItem::labelChanged, this, &TrayPresenter::present);
    connect(&m_button, &StatusBarButton::clickPerformed, this, &TrayPresenter::popUpMenu);
    connect(m_trayIcon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger) {
            m_button.click(StatusBarButton::LeftMouseUp);
        } else if (reason == QSystemTrayIcon::Context) {
            m_button.click(StatusBarButton::RightMouseUp);
        }
    });
    connect(m_trayHostWatcher, &TrayHostWatcher::trayHostStarted, this, &TrayPresenter::dock);
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        Diagnostics::systemLog(QStringLiteral("❌ No system tray is available: the status item will appear when "
                                              "a tray starts"));
        // A tray that started just now, before the watcher listened, would otherwise go unnoticed.
        if (m_trayHostWatcher->trayHostExists()) {
            QMetaObject::invokeMethod(
                this, [this] { dock(); }, Qt::QueuedConnection);
        }
    }
    // The item may have a label already, when the tray takes over from another panel.
    if (item.label()) {
        present(*item.label());
    }
}

void TrayPresenter::popUpMenu() {
    QMenu* menu = m_item.menu();
    if (menu == nullptr) {
        return;
    }
    // Under the icon where the tray says it is, else where the pointer clicked.
    const QRect icon = m_trayIcon->geometry();
    menu->exec(icon.isValid() ? icon.bottomLeft() : QCursor::pos());
}

QIcon TrayPresenter::icon() const {
    return m_trayIcon->icon();
}

QString TrayPresenter::toolTip() const {
    return m_trayIcon->toolTip();
}

void TrayPresenter::dock() {
    if (m_trayIcon->isVisible()) {
        m_trayIcon->hide();
        m_trayIcon->show();
    }
}

void TrayPresenter::present(const StatusLabel& label) {
    const int number = int(label.position) + 1;
    const QIcon& icon = m_icons.value({label.color, number},
                                      [&label, number] { return QIcon(new TrayIconEngine(label.color, number)); });
    if (icon.cacheKey() != m_trayIcon->icon().cacheKey()) {
        m_trayIcon->setIcon(icon);
    }
    if (label.name != m_trayIcon->toolTip()) {
        m_trayIcon->setToolTip(label.name);
    }
    m_trayIcon->show();
}
