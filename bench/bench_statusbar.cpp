// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

// Figures for the status item: one update (a fresh view, its size, the tray's icon rendered, handed to the tray
// presenter), the whole path from a Space notification to the tray presenter holding the new icon, and the same path
// to our StatusNotifierItem announcing its new icon (NewIcon) on a private session bus.
#include "BenchSupport.h"
#include "DBusSession.h"
#include "settings/DefaultsStore.h"
#include "core/Diagnostics.h"
#include "updates/Updater.h"
#include "settings/SettingsManager.h"
#include "spaces/SpaceManager.h"
#include "windowserver/WindowServer.h"
#include "statusbar/StatusBarController.h"
#include "statusbar/StatusItem.h"
#include "statusbar/sni/StatusNotifierPresenter.h"
#include "statusbar/tray/TrayPresenter.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QThread>

namespace {

class SwitchableWindowServer : public WindowServer {
public:
    qint32 mainConnectionID() override { return 1; }
    std::optional<QList<qint64>> copySpaces(qint32, qint32) override { return QList<qint64>{1, 2}; }
    quint64 activeSpace(qint32) override { return active; }
    quint64 active = 1;
};

// Items shown through the tray presenter, as on a desktop.
class PresentedStatusBar : public StatusBar {
public:
    std::unique_ptr<StatusItem> statusItem() override {
        auto item = std::make_unique<StatusItem>(std::make_unique<StatusBarButton>());
        presenter = new TrayPresenter(*item, item.get());
        return item;
    }
    TrayPresenter* presenter = nullptr;
};

// Items shown through our StatusNotifierItem, as under a panel that hosts the watcher.
class NotifierStatusBar : public StatusBar {
public:
    explicit NotifierStatusBar(QDBusConnection connection)
        : m_connection(std::move(connection)) {}
    std::unique_ptr<StatusItem> statusItem() override {
        auto item = std::make_unique<StatusItem>(std::make_unique<StatusBarButton>());
        presenter = new StatusNotifierPresenter(*item, m_connection, item.get());
        return item;
    }
    StatusNotifierPresenter* presenter = nullptr;

private:
    QDBusConnection m_connection;
};

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    Diagnostics::setSink([](Diagnostics::Channel, const QString&) {});
    QTemporaryDir folder;
    DefaultsStore store(folder.path());
    SettingsManager settings(store);
    SwitchableWindowServer windowServer;
    SpaceManager spaces(windowServer, [&]() -> SettingsManager& { return settings; });
    settings.syncConfigs(spaces.allSpaceIDs());
    settings.updateConfig(1, QStringLiteral("Mail"), QStringLiteral("#FF6B6B"));
    settings.updateConfig(2, QStringLiteral("Chat"), QStringLiteral("#6BA3FF"));
    PresentedStatusBar statusBar;
    Updater updater;
    auto controller = std::make_unique<StatusBarController>(
        updater, StatusBarController::Services{spaces, settings, windowServer, statusBar});
    const auto runQueuedCalls = [] {
        QCoreApplication::processEvents();
    };
    const auto switchSpace = [&] {
        windowServer.active = windowServer.active == 1 ? 2 : 1;
        spaces.refreshSpaces();
        runQueuedCalls();
    };

    std::vector<double> updates;
    for (int i = 0; i < 500; ++i) {
        switchSpace(); // a new colour, whose icon is rendered below
        QElapsedTimer timer;
        timer.start();
        emit settings.settingsDidChange(settings.settings());
        (void)statusBar.presenter->icon().pixmap(22, 22);
        updates.push_back(static_cast<double>(timer.nsecsElapsed()) / 1000.0);
    }
    report("one status-bar update, tray icon rendered at 22 px", std::move(updates));

    std::vector<double> paths;
    for (int i = 0; i < 100; ++i) {
        const QString shownBefore = statusBar.presenter->toolTip();
        windowServer.active = windowServer.active == 1 ? 2 : 1;
        QElapsedTimer timer;
        timer.start();
        emit windowServer.activeSpaceDidChange();
        while (statusBar.presenter->toolTip() == shownBefore) {
            QCoreApplication::processEvents();
        }
        (void)statusBar.presenter->icon().pixmap(22, 22);
        paths.push_back(static_cast<double>(timer.nsecsElapsed()) / 1000.0);
        QThread::msleep(110); // let the notification's delayed update pass before the next switch
        runQueuedCalls();
    }
    report("Space notification to the tray holding the new icon", std::move(paths));
    controller.reset();

    DBusSession bus;
    QString error;
    if (!bus.start(&error)) {
        std::printf("no StatusNotifierItem figures: %s\n", qPrintable(error));
        return 0;
    }
    NotifierStatusBar notifierBar(QDBusConnection::connectToBus(bus.address(), QStringLiteral("vantorel")));
    controller = std::make_unique<StatusBarController>(
        updater, StatusBarController::Services{spaces, settings, windowServer, notifierBar});
    bool iconAnnounced = false;
    // The adaptor, which relays this as NewIcon, comes only once the presenter knows the panel.
    QObject::connect(notifierBar.presenter, &StatusNotifierPresenter::iconChanged, [&] { iconAnnounced = true; });
    std::vector<double> announcements;
    for (int i = 0; i < 100; ++i) {
        windowServer.active = windowServer.active == 1 ? 2 : 1;
        iconAnnounced = false;
        QElapsedTimer timer;
        timer.start();
        emit windowServer.activeSpaceDidChange();
        while (!iconAnnounced) {
            QCoreApplication::processEvents();
        }
        announcements.push_back(static_cast<double>(timer.nsecsElapsed()) / 1000.0);
        QThread::msleep(110);
        runQueuedCalls();
    }
    report("Space notification to NewIcon of the StatusNotifierItem", std::move(announcements));
    return 0;
}
