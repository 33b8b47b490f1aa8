// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "app/SystemStatusBar.h"

#include <QObject>

#include <memory>

class DesktopCommandServer;
class DesktopDirectory;
class DesktopsBusService;
class LabelPublisher;
class QLocalSocket;
class StatusBarController;
class Updater;
class WaybarStyleSheet;

// Does the program's start-up work once the event loop is ready, and owns what lives for the whole run: the
// updater, the status bar controller, what serves text bars' feeds (the label's publisher and waybar's style
// sheet), and what serves scripts (the command line's requests and the desktops on the session bus).
class AppDelegate : public QObject {
    Q_OBJECT

public:
    explicit AppDelegate(QObject* parent = nullptr);
    ~AppDelegate() override;

    void applicationDidFinishLaunching();
    // Another start of the program asked this one to show itself.
    void activationRequested();
    // A bar's feed subscribed to the label (`topic` names its format), or a command line asks for the desktops
    // ("commands"); the delegate takes the connection over.
    void subscriptionRequested(QLocalSocket* connection, const QString& topic);

    StatusBarController* statusBarController() const { return m_statusBarController.get(); }
    Updater* updaterController() const { return m_updaterController.get(); }

private:
    void serveBarFeeds();
    void serveScripts();

    SystemStatusBar m_statusBar;
    std::unique_ptr<StatusBarController> m_statusBarController;
    std::unique_ptr<Updater> m_updaterController;
    std::unique_ptr<WaybarStyleSheet> m_waybarStyleSheet;
    std::unique_ptr<DesktopDirectory> m_desktopDirectory;
    std::unique_ptr<DesktopCommandServer> m_commandServer;
    std::unique_ptr<DesktopsBusService> m_busService;
    std::unique_ptr<LabelPublisher> m_labelPublisher;
};
