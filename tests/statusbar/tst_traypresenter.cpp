// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "statusbar/tray/TrayPresenter.h"

#include "statusbar/StatusItem.h"

#include <QTest>

class TestTrayPresenter : public QObject {
    Q_OBJECT

private slots:
    // The icon's colour on screen is checked in i3's tray; here: the tooltip, and each tile drawn once.
    void showsTheLabelAndDrawsEachTileOnce() {
        StatusItem item(std::make_unique<StatusBarButton>());
        TrayPresenter presenter(item, nullptr);
        QVERIFY(presenter.icon().isNull());

        item.setLabel({"Mail", "#6BA3FF"});
        QCOMPARE(presenter.toolTip(), "Mail");
        const qint64 blueIcon = presenter.icon().cacheKey();
        item.setLabel({"Chat", "#6BA3FF"});
        QCOMPARE(presenter.toolTip(), "Chat");
        QCOMPARE(presenter.icon().cacheKey(), blueIcon); // same colour and desktop: the icon is kept
        item.setLabel({"Chat", "#6BA3FF", 1});
        QVERIFY(presenter.icon().cacheKey() != blueIcon); // another desktop in the same colour: another number
        item.setLabel({"Chat", "#FF6B6B"});
        item.setLabel({"Mail", "#6BA3FF"});
        QCOMPARE(presenter.icon().cacheKey(), blueIcon); // a colour shown before: its icon, already drawn, comes back
    }
};

QTEST_MAIN(TestTrayPresenter)
#include "tst_traypresenter.moc"
