// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "statusbar/sni/StatusNotifierRegistration.h"

#include "DiagnosticsCapture.h"
#include "PanelBus.h"

#include <QTest>

class TestStatusNotifierRegistration : public QObject {
    Q_OBJECT

private slots:
    // A watcher may drop the item without a word, as GNOME's does while the shell starts: the item notices alone.
    void shownOnlyWhileListed() {
        DiagnosticsCapture capture;
        PanelBus panelBus;
        VERIFY_STARTS(panelBus.start(&error, true));
        FakeStatusNotifierHost& panel = *panelBus.panel;
        const QString service = QStringLiteral("org.kde.StatusNotifierItem-1-1");
        StatusNotifierRegistration registration(panelBus.connection, service, "/StatusNotifierItem", {300, 50, 200},
                                                nullptr);

        panel.listsItems = false;
        registration.start();
        QTRY_VERIFY(panel.registeredItems.size() >= 4); // again and again, ever more slowly
        QVERIFY(!registration.isShown());
        QVERIFY(capture.systemLog.filter("✅").isEmpty());

        panel.listsItems = true;
        QTRY_VERIFY(registration.isShown());
        QCOMPARE(capture.systemLog.filter("✅"),
                 QStringList{"✅ Status item shown by the StatusNotifierWatcher as " + service});

        panel.registeredItems.clear();
        registration.start(); // as for a new watcher
        QTRY_VERIFY(registration.isShown());
        panel.registeredItems.clear();
        QTRY_COMPARE(panel.registeredItems.size(), 1);
        QTRY_VERIFY(registration.isShown());
        QCOMPARE(capture.systemLog.filter("✅").size(), 3);
    }
};

QTEST_MAIN(TestStatusNotifierRegistration)
#include "tst_statusnotifierregistration.moc"
