// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "app/PresenterChooser.h"

#include "core/Diagnostics.h"
#include "statusbar/sni/StatusNotifierPresenter.h"
#include "statusbar/tray/TrayPresenter.h"

#include <QDBusConnectionInterface>
#include <QDBusServiceWatcher>
#include <QFile>
#include <QGuiApplication>

#include <sys/stat.h>

PresenterChooser::PresenterChooser(StatusItem& item, std::optional<QDBusConnection> sessionBus, QObject* parent)
    : QObject(parent)
    , m_item(item)
    , m_sessionBus(std::move(sessionBus)) {
    if (m_sessionBus && m_sessionBus->isConnected()) {
        // Watching first, then asking, so that a watcher starting in between is not missed.
        auto* watcher = new QDBusServiceWatcher(StatusNotifierPresenter::watcherService, *m_sessionBus,
                                                QDBusServiceWatcher::WatchForOwnerChange, this);
        connect(watcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
                [this](const QString&, const QString&, const QString& newOwner) { watcherOwnerChanged(newOwner); });
        if (m_sessionBus->interface()->isServiceRegistered(StatusNotifierPresenter::watcherService)) {
            showThroughWatcher();
            return;
        }
    }
    showInTray();
}

PresenterChooser::~PresenterChooser() = default;

std::optional<QDBusConnection> PresenterChooser::reachableSessionBus() {
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) {
        // libdbus takes this socket when it is there; a plain file would not do and would send it autolaunching.
        const QString runtimeFolder = qEnvironmentVariable("XDG_RUNTIME_DIR");
        struct stat bus {};
        if (runtimeFolder.isEmpty() ||
            ::stat(QFile::encodeName(runtimeFolder + QStringLiteral("/bus")).constData(), &bus) != 0 ||
            !S_ISSOCK(bus.st_mode)) {
            return std::nullopt;
        }
    }
    return QDBusConnection::sessionBus();
}

void PresenterChooser::watcherOwnerChanged(const QString& newOwner) {
    // A new watcher knows nothing of the items the old one had, and may belong to a panel that draws them otherwise.
    if (newOwner.isEmpty()) {
        showInTray();
    } else {
        showThroughWatcher();
    }
}

void PresenterChooser::showThroughWatcher() {
    // The old presenter goes first: the tray icon must not linger beside the new item.
    m_presenter.reset();
    m_presenter = std::make_unique<StatusNotifierPresenter>(m_item, *m_sessionBus);
}

void PresenterChooser::showInTray() {
    m_presenter.reset();
    // Offscreen there is no panel to show the item in, and XEmbed trays live on X11 alone (not on Wayland); the item
    // still exists, is kept up to date, and is shown once a StatusNotifierWatcher comes.
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen")) {
        Diagnostics::systemLog(QStringLiteral("❌ No system tray is available: running offscreen"));
        return;
    }
    if (platform != QLatin1String("xcb")) {
        Diagnostics::systemLog(
            QStringLiteral("❌ No system tray is available: no StatusNotifierWatcher on the session bus, and no XEmbed "
                           "tray on %1")
                .arg(platform));
        return;
    }
    Diagnostics::systemLog(
        QStringLiteral("🔄 Status item shown in the XEmbed system tray: no StatusNotifierWatcher on the session bus"));
    m_presenter = std::make_unique<TrayPresenter>(m_item, nullptr);
}
