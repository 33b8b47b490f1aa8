// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "statusbar/tray/TrayPresenter.h"

#include "statusbar/StatusItem.h"

#include <QTest>

class TestTrayPresenter : public QObject {
    Q_OBJECT

private slots:
    // The icon's colour on screen is checked in i3's tray; here: the tooltip, and the number of the desktop.
    void showsTheNameAndTheDesktopsNumber() {
        StatusItem item(std::make_unique<StatusBarButton>());
        TrayPresenter presenter(item, nullptr);

        item.setLabel({"Mail", "#6BA3FF"});
        QCOMPARE(presenter.toolTip(), "Mail");
        const QImage first = presenter.icon().pixmap(22).toImage();
        item.setLabel({"Chat", "#6BA3FF", 1});
        QCOMPARE(presenter.toolTip(), "Chat");
        QVERIFY(presenter.icon().pixmap(22).toImage() != first); // another desktop in the same colour: another number
    }
};

QTEST_MAIN(TestTrayPresenter)
#include "tst_traypresenter.moc"
