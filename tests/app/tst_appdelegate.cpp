// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "app/AppDelegate.h"

#include "DiagnosticsCapture.h"
#include "FakeWindowServer.h"
#include "marking/MarkDesktopsWindowController.h"
#include "updates/Updater.h"
#include "settings/SettingsManager.h"
#include "core/LocalizedTexts.h"
#include "statusbar/StatusBarController.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

// Start-up runs once per process, on the program's shared instances: this test owns its process.
class TestAppDelegate : public QObject {
    Q_OBJECT

private slots:
    void startUpCleansUpAndAnotherStartOpensTheMarkingWindow() {
        QTemporaryDir configHome;
        qputenv("XDG_CONFIG_HOME", configHome.path().toUtf8());
        QDir().mkpath(configHome.path() + "/vantorel");
        QFile stored(configHome.path() + "/vantorel/app_settings.json");
        QVERIFY(stored.open(QIODevice::WriteOnly));
        stored.write(R"({"spaces": {"77": {"id": 77, "name": "Gone", "color": "#000000"}},)"
                     R"("colorApplication": "label_background"})");
        stored.close();
        LocalizedTexts::installTranslations(*QCoreApplication::instance(), QLocale(QLocale::English));
        FakeWindowServer windowServer;
        windowServer.spaces = QList<qint64>{40, 10, 30, 20};
        windowServer.active = 30;
        WindowServer::setShared(&windowServer);

        DiagnosticsCapture capture;
        AppDelegate delegate;
        delegate.applicationDidFinishLaunching();

        QVERIFY(!QApplication::quitOnLastWindowClosed());
        const QWidgetList windows = QApplication::topLevelWidgets();
        QVERIFY(
            std::none_of(windows.cbegin(), windows.cend(), [](const QWidget* window) { return window->isVisible(); }));
        QVERIFY(delegate.updaterController()->isStarted());

        // The order of start-up's lines is fixed by the example walkthrough; here: the stale record is cleaned up.
        QCOMPARE(SettingsManager::shared().settings().spaces.size(), size_t(4));

        SettingsManager::shared().updateConfig(30, std::nullopt, "#654321");
        QFile sheet(configHome.path() + "/vantorel/waybar.css");
        QVERIFY(sheet.open(QIODevice::ReadOnly) && sheet.readAll().contains("vantorel-654321"));

        // The window's title and contents on screen are checked under openbox.
        capture.clear();
        delegate.activationRequested();
        QCOMPARE(capture.output.value(0), "📡 Another start asked for the marking window");
        QVERIFY(delegate.statusBarController()->settingsWindowController()->window()->isVisible());
        WindowServer::setShared(nullptr);
    }
};

QTEST_MAIN(TestAppDelegate)
#include "tst_appdelegate.moc"
