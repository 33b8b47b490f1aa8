// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "statusbar/tray/TrayPresenter.h"

#include "PixelChecks.h"
#include "statusbar/StatusBarItemView.h"
#include "statusbar/StatusItem.h"

#include <QTest>

class TestTrayPresenter : public QObject {
    Q_OBJECT

private slots:
    void showsTheLatestViewAndRendersOnlyForANewColourOrNumber();
};

void TestTrayPresenter::showsTheLatestViewAndRendersOnlyForANewColourOrNumber() {
    StatusItem item(std::make_unique<StatusBarButton>());
    StatusBarButton& button = *item.button();
    TrayPresenter presenter(item, nullptr);
    QVERIFY(presenter.icon().isNull());

    button.addSubview(new StatusBarItemView("Mail", "#6BA3FF", ColorApplication::labelBackground));
    QCOMPARE(presenter.toolTip(), "Mail");
    const QImage mail = presenter.icon().pixmap(22, 22).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QCOMPARE(mail.size(), QSize(22, 22));
    QVERIFY(pixelIs(mail, {0, 11}, QColor(0x6B, 0xA3, 0xFF)));
    const qint64 mailIcon = presenter.icon().cacheKey();

    button.addSubview(new StatusBarItemView("Chat", "#6BA3FF", ColorApplication::labelBackground));
    QCOMPARE(presenter.toolTip(), "Chat");
    QCOMPARE(presenter.icon().cacheKey(), mailIcon); // same colour: the icon is kept

    button.setDesktopNumber(2); // another desktop in the same colour: another number
    button.addSubview(new StatusBarItemView("Chat", "#6BA3FF", ColorApplication::labelBackground));
    QVERIFY(presenter.icon().cacheKey() != mailIcon);
    const qint64 secondIcon = presenter.icon().cacheKey();

    button.addSubview(new StatusBarItemView("Chat", "#FF6B6B", ColorApplication::labelBackground));
    QVERIFY(presenter.icon().cacheKey() != secondIcon);
    const QImage chat = presenter.icon().pixmap(17, 17).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QVERIFY(pixelIs(chat, {0, 8}, QColor(0xFF, 0x6B, 0x6B)));
}

QTEST_MAIN(TestTrayPresenter)
#include "tst_traypresenter.moc"
