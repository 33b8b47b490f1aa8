#include "statusbar/AppDelegate.h"

#include "platform/Diagnostics.h"
#include "platform/Updater.h"
#include "settings/SettingsManager.h"
#include "spaces/SpaceManager.h"
#include "statusbar/StatusBarController.h"

#include <QApplication>

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

    m_statusBarController = std::make_unique<StatusBarController>(*m_updaterController);
    Diagnostics::print(QStringLiteral("✅ Vantorel launched"));
}

void AppDelegate::activationRequested() {
    Diagnostics::print(QStringLiteral("📡 Another start asked for the marking window"));
    if (m_statusBarController) {
        m_statusBarController->openMarkDesktopsWindow();
    }
}
