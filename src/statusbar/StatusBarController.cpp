// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "statusbar/StatusBarController.h"

#include "marking/MarkDesktopsWindowController.h"
#include "core/Diagnostics.h"
#include "updates/Updater.h"
#include "settings/SettingsManager.h"
#include "spaces/SpaceManager.h"
#include "windowserver/WindowServer.h"
#include "statusbar/StatusBarItemView.h"
#include "statusbar/StatusItem.h"
#include "statusbar/StatusMenu.h"

#include <QCoreApplication>
#include <QMenu>
#include <QTimer>

namespace {

// The Space notification's own update comes this much later than the notification.
constexpr int spaceChangeUpdateDelayMs = 100;

} // namespace

StatusBarController::Services StatusBarController::Services::shared(StatusBar& statusBar) {
    return {SpaceManager::shared(), SettingsManager::shared(), WindowServer::shared(), statusBar};
}

StatusBarController::StatusBarController(Updater& updaterController, Services services)
    : m_updaterController(updaterController)
    , m_services(services) {
    m_statusItem = m_services.statusBar.statusItem();
    if (StatusBarButton* button = m_statusItem ? m_statusItem->button() : nullptr) {
        m_statusItem->setMenuBuilder([this] {
            return buildStatusMenu(
                {menuDesktops(),
                 [this](SpaceID spaceID) {
                     if (const QString problem = m_services.spaceManager.switchTo(spaceID); !problem.isEmpty()) {
                         Diagnostics::systemLog(
                             QStringLiteral("❌ Cannot switch to desktop %1: %2").arg(spaceID).arg(problem));
                     }
                 },
                 [this] { openMarkDesktopsWindow(); }, [this] { m_updaterController.checkForUpdates(); },
                 [this] {
                     quitApp();
                 }});
        });
        button->setAction([this](StatusBarButton* sender) { statusBarButtonClicked(sender); });
        button->sendActionOn(StatusBarButton::LeftMouseUp | StatusBarButton::RightMouseUp);
        updateStatusBar();
    }
    setupObservers();
}

QList<StatusMenuDesktop> StatusBarController::menuDesktops() const {
    const QList<SpaceID>& spaceIDs = m_services.spaceManager.allSpaceIDs();
    QList<StatusMenuDesktop> desktops;
    for (qsizetype index = 0; index < spaceIDs.size(); ++index) {
        const SpaceConfig config = m_services.settingsManager.getOrCreateConfig(spaceIDs[index], index);
        desktops.append(
            {spaceIDs[index], config.name, config.color, spaceIDs[index] == m_services.spaceManager.currentSpaceID()});
    }
    return desktops;
}

StatusBarController::~StatusBarController() = default;

void StatusBarController::setupObservers() {
    connect(&m_services.windowServer, &WindowServer::activeSpaceDidChange, this, [this] {
        Diagnostics::systemLog(QStringLiteral("📡 Space change notification received"));
        QTimer::singleShot(spaceChangeUpdateDelayMs, this, [this] { updateStatusBar(); });
    });
    connect(&m_services.settingsManager, &SettingsManager::settingsDidChange, this, [this] {
        Diagnostics::systemLog(QStringLiteral("📡 Settings change notification received"));
        updateStatusBar();
    });
    // The announcement comes before the change: the update runs on a later turn, when the new values are in.
    connect(&m_services.spaceManager, &SpaceManager::objectWillChange, this, [this] {
        QMetaObject::invokeMethod(
            this,
            [this] {
                Diagnostics::systemLog(QStringLiteral("📡 SpaceManager objectWillChange received"));
                updateStatusBar();
            },
            Qt::QueuedConnection);
    });
}

void StatusBarController::updateStatusBar() {
    StatusBarButton* button = m_statusItem ? m_statusItem->button() : nullptr;
    if (button == nullptr) {
        Diagnostics::systemLog(QStringLiteral("❌ No status bar button"));
        return;
    }
    const SpaceID spaceID = m_services.spaceManager.currentSpaceID();
    const qint64 index = m_services.spaceManager.currentSpaceIndex();
    const SpaceConfig config = m_services.settingsManager.getOrCreateConfig(spaceID, index);
    Diagnostics::systemLog(QStringLiteral("🔄 Updating status bar: Space ID=%1, Index=%2, Name=%3, Color=%4")
                               .arg(QString::number(spaceID), QString::number(index), config.name, config.color));

    for (QWidget* view : button->subviews()) {
        button->removeSubview(view);
    }
    button->setTitle(QString());
    button->setImage(QImage());

    auto* view = new StatusBarItemView(config.name, config.color, ColorApplication::labelBackground);
    const QSize size = view->intrinsicContentSize().toSize();
    view->setGeometry(0, 0, size.width(), size.height());
    button->addSubview(view);
    button->setGeometry(QRect(button->geometry().topLeft(), size));
    m_statusItem->setLabel({config.name, config.color, index});
    Diagnostics::systemLog(QStringLiteral("✅ Status bar updated with custom view"));
}

void StatusBarController::statusBarButtonClicked(StatusBarButton*) {
    showMenu();
}

void StatusBarController::showMenu() {
    if (!m_statusItem) {
        return;
    }
    // A fresh menu for every click, attached only while the click lasts, so the next click comes back here.
    const std::unique_ptr<QMenu> menu = m_statusItem->buildMenu();
    m_statusItem->setMenu(menu.get());
    if (StatusBarButton* button = m_statusItem->button()) {
        button->performClick();
    }
    m_statusItem->setMenu(nullptr);
}

void StatusBarController::quitApp() {
    QCoreApplication::quit();
}

void StatusBarController::openMarkDesktopsWindow() {
    if (!m_settingsWindowController) {
        m_settingsWindowController = std::make_unique<MarkDesktopsWindowController>();
    }
    m_settingsWindowController->openMarkDesktopsWindow();
}
