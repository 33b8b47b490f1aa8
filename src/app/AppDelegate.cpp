// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "app/AppDelegate.h"

#include "app/PresenterChooser.h"
#include "feeds/LabelPublisher.h"
#include "scripting/DesktopCommandServer.h"
#include "scripting/DesktopDirectory.h"
#include "scripting/DesktopsBusService.h"
#include "windowserver/WindowServer.h"
#include "feeds/WaybarStyleSheet.h"
#include "core/Diagnostics.h"
#include "updates/Updater.h"
#include "settings/SettingsManager.h"
#include "spaces/SpaceManager.h"
#include "statusbar/StatusBarController.h"
#include "statusbar/StatusItem.h"

#include <QApplication>
#include <QLocalSocket>

AppDelegate::AppDelegate(QObject* parent)
    : QObject(parent) {}

AppDelegate::~AppDelegate() = default;

void AppDelegate::applicationDidFinishLaunching() {
    // A panel program: no window at start, and closing a window later must not end it.
    QApplication::setQuitOnLastWindowClosed(false);

    m_updaterController = std::make_unique<Updater>();
    m_updaterController->start();

    SpaceManager& spaceManager = SpaceManager::shared();
    SettingsManager& settingsManager = SettingsManager::shared();
    settingsManager.syncConfigs(spaceManager.allSpaceIDs());

    m_statusBarController =
        std::make_unique<StatusBarController>(*m_updaterController, StatusBarController::Services::shared(m_statusBar));
    serveScripts();
    serveBarFeeds();
    Diagnostics::print(QStringLiteral("✅ Vantorel launched"));
}

void AppDelegate::serveBarFeeds() {
    StatusItem* item = m_statusBarController->statusItem();
    if (item == nullptr || item->button() == nullptr) {
        return;
    }
    SettingsManager& settingsManager = SettingsManager::shared();
    m_waybarStyleSheet = std::make_unique<WaybarStyleSheet>();
    // There before any waybar starts that imports it.
    m_waybarStyleSheet->update(settingsManager.settings());
    connect(&settingsManager, &SettingsManager::settingsDidChange, m_waybarStyleSheet.get(), &WaybarStyleSheet::update);
    m_labelPublisher = std::make_unique<LabelPublisher>(*item, m_desktopDirectory.get());
}

void AppDelegate::serveScripts() {
    m_desktopDirectory =
        std::make_unique<DesktopDirectory>(SpaceManager::shared(), SettingsManager::shared(), WindowServer::shared());
    m_commandServer = std::make_unique<DesktopCommandServer>(*m_desktopDirectory);
    if (const std::optional<QDBusConnection> bus = PresenterChooser::reachableSessionBus()) {
        m_busService = std::make_unique<DesktopsBusService>(*m_desktopDirectory);
        if (const QString error = m_busService->publish(*bus); !error.isEmpty()) {
            Diagnostics::systemLog(QStringLiteral("❌ The desktops are not on the session bus: %1").arg(error));
            m_busService.reset();
        }
    }
}

void AppDelegate::subscriptionRequested(QLocalSocket* connection, const QString& topic) {
    if (topic == QLatin1String("commands") && m_commandServer) {
        m_commandServer->serve(connection);
    } else if (m_labelPublisher) {
        m_labelPublisher->subscribe(connection, topic);
    } else {
        connection->abort();
        connection->deleteLater();
    }
}

void AppDelegate::activationRequested() {
    Diagnostics::print(QStringLiteral("📡 Another start asked for the marking window"));
    if (m_statusBarController) {
        m_statusBarController->openMarkDesktopsWindow();
    }
}
