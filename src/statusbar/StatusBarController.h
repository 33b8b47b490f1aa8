// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>

#include <memory>

class MarkDesktopsWindowController;
class SettingsManager;
class SpaceManager;
class StatusBar;
class StatusBarButton;
class StatusItem;
class Updater;
class WindowServer;

// Owns the status item and keeps it showing the active Space's name and colour: it redraws on every Space switch,
// settings change and space-manager change.
class StatusBarController : public QObject {
    Q_OBJECT

public:
    // Where the controller gets its data and its item; tests hand in their own.
    struct Services {
        SpaceManager& spaceManager;
        SettingsManager& settingsManager;
        WindowServer& windowServer;
        StatusBar& statusBar;

        // The program's single instances, with the items shown in `statusBar`.
        static Services shared(StatusBar& statusBar);
    };

    StatusBarController(Updater& updaterController, Services services);
    ~StatusBarController() override;

    StatusItem* statusItem() const { return m_statusItem.get(); }
    Updater& updaterController() const { return m_updaterController; }

    // A click on the item, left or right: opens the menu.
    void statusBarButtonClicked(StatusBarButton* sender);
    // Opens the menu at the item and returns once it has closed.
    void showMenu();

    // Shows the marking window with fresh content; its controller is made on the first call and kept.
    void openMarkDesktopsWindow();
    MarkDesktopsWindowController* settingsWindowController() const { return m_settingsWindowController.get(); }

private:
    void quitApp();
    void setupObservers();
    void updateStatusBar();

    std::unique_ptr<StatusItem> m_statusItem;
    Updater& m_updaterController;
    Services m_services;
    std::unique_ptr<MarkDesktopsWindowController> m_settingsWindowController;
};
