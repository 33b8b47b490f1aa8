// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "statusbar/tray/TrayPresenter.h"

#include "PixelChecks.h"
#include "statusbar/StatusItem.h"

#include <QTest>

class TestTrayPresenter : public QObject {
    Q_OBJECT

private slots:
    void showsTheLabelAndDrawsEachTileOnce();
};

void TestTrayPresenter::showsTheLabelAndDrawsEachTileOnce() {
    StatusItem item(std::make_unique<StatusBarButton>());
    TrayPresenter presenter(item, nullptr);
    QVERIFY(presenter.icon().isNull());

    item.setLabel({"Mail", "#6BA3FF"});
    QCOMPARE(presenter.toolTip(), "Mail");
    const QImage mail = presenter.icon().pixmap(22, 22).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QCOMPARE(mail.size(), QSize(22, 22));
    QVERIFY(pixelIs(mail, {0, 11}, QColor(0x6B, 0xA3, 0xFF)));
    const qint64 blueIcon = presenter.icon().cacheKey();

    item.setLabel({"Chat", "#6BA3FF"});
    QCOMPARE(presenter.toolTip(), "Chat");
    QCOMPARE(presenter.icon().cacheKey(), blueIcon); // same colour and desktop: the icon is kept
    item.setLabel({"Chat", "#6BA3FF", 1});
    QVERIFY(presenter.icon().cacheKey() != blueIcon); // another desktop in the same colour: another number

    item.setLabel({"Chat", "#FF6B6B"});
    QVERIFY(presenter.icon().cacheKey() != blueIcon);
    const QImage chat = presenter.icon().pixmap(17, 17).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QVERIFY(pixelIs(chat, {0, 8}, QColor(0xFF, 0x6B, 0x6B)));
    item.setLabel({"Mail", "#6BA3FF"});
    QCOMPARE(presenter.icon().cacheKey(), blueIcon); // a colour shown before: its icon, already drawn, comes back
}

QTEST_MAIN(TestTrayPresenter)
#include "tst_traypresenter.moc"
