// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "app/PresenterChooser.h"

#include "DiagnosticsCapture.h"
#include "PanelBus.h"
#include "statusbar/StatusItem.h"
#include "statusbar/sni/StatusNotifierPresenter.h"

#include <QDBusConnectionInterface>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// Offscreen, as the tests run: without a watcher the item is shown nowhere.
class TestPresenterChooser : public QObject {
    Q_OBJECT

private slots:
    void followsTheWatcherAsItComesGoesAndIsReplaced() {
        const QString offscreenLine = QStringLiteral("❌ No system tray is available: running offscreen");
        DiagnosticsCapture capture;
        PanelBus panelBus; // a private bus, with a panel that may host the watcher
        VERIFY_STARTS(panelBus.start(&error, false));
        FakeStatusNotifierHost& panel = *panelBus.panel;
        StatusItem item{std::make_unique<StatusBarButton>()};
        const PresenterChooser chooser(item, panelBus.connection);
        QCOMPARE(capture.systemLog, QStringList{offscreenLine});
        QVERIFY(chooser.presenter() == nullptr);

        QVERIFY(panel.startWatcher());
        QTRY_COMPARE(panel.registeredItems.size(), 1);
        QTRY_COMPARE(capture.systemLog,
                     (QStringList{offscreenLine, "✅ Status item shown by the StatusNotifierWatcher as " +
                                                     StatusNotifierPresenter::serviceName()}));
        QVERIFY(qobject_cast<StatusNotifierPresenter*>(chooser.presenter()));

        capture.clear();
        panel.stopWatcher();
        QTRY_COMPARE(capture.systemLog, QStringList{offscreenLine});
        QVERIFY(chooser.presenter() == nullptr);
        QVERIFY(!panelBus.connection.interface()->isServiceRegistered(StatusNotifierPresenter::serviceName()).value());

        // The watcher comes back, and then a restarted panel takes its name over: the item registers with each.
        QVERIFY(panel.startWatcher());
        QTRY_COMPARE(panel.registeredItems.size(), 2);
        FakeStatusNotifierHost restarted(panelBus.bus.address(), QStringLiteral("restarted host"));
        QVERIFY(restarted.startWatcher(true));
        QTRY_COMPARE(restarted.registeredItems.size(), 1);
        QVERIFY(restarted.registeredItems.constFirst().endsWith(StatusNotifierPresenter::itemPath));
    }

    void busIsReachableOnlyWhenNamed_data() {
        QTest::addColumn<bool>("addressSet");
        QTest::addColumn<bool>("runtimeSocket"); // $XDG_RUNTIME_DIR/bus
        QTest::addColumn<bool>("reachable");
        QTest::newRow("nothing") << false << false << false;
        QTest::newRow("a socket in the runtime folder") << false << true << true;
        QTest::newRow("an address") << true << false << true;
    }

    void busIsReachableOnlyWhenNamed() {
        QFETCH(bool, addressSet);
        QFETCH(bool, runtimeSocket);
        QFETCH(bool, reachable);
        DBusSession bus;
        VERIFY_STARTS(bus.start(&error));
        QTemporaryDir runtimeFolder;
        if (runtimeSocket) { // the private bus's, so that a connection, if made, works
            const QString socket = bus.address().section("unix:path=", 1).section(',', 0, 0);
            QVERIFY(QFile::link(socket, runtimeFolder.filePath("bus")));
        }
        qputenv("XDG_RUNTIME_DIR", runtimeFolder.path().toUtf8());
        if (addressSet) {
            qputenv("DBUS_SESSION_BUS_ADDRESS", bus.address().toUtf8());
        } else {
            qunsetenv("DBUS_SESSION_BUS_ADDRESS");
        }
        QCOMPARE(PresenterChooser::reachableSessionBus().has_value(), reachable);
    }
};

QTEST_MAIN(TestPresenterChooser)
#include "tst_presenterchooser.moc"
