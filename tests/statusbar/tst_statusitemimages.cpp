// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "statusbar/StatusItemImages.h"

#include "statusbar/StatusBarItemView.h"

#include "PixelChecks.h"

#include <QTest>

class TestStatusItemImages : public QObject {
    Q_OBJECT

private slots:
    void trayIcon_data() {
        QTest::addColumn<int>("sizePx");
        QTest::addColumn<qreal>("devicePixelRatio");
        QTest::newRow("i3bar") << 17 << 1.0;
        QTest::newRow("tint2, waybar") << 22 << 1.0;
        QTest::newRow("waybar, doubled") << 22 << 2.0;
    }

    void trayIcon() {
        QFETCH(int, sizePx);
        QFETCH(qreal, devicePixelRatio);
        const QImage icon = renderTrayIcon("#6BA3FF", sizePx, devicePixelRatio);
        const int side = int(sizePx * devicePixelRatio);
        QCOMPARE(icon.size(), QSize(side, side));
        QCOMPARE(icon.devicePixelRatio(), devicePixelRatio);
        const QColor fill(0x6B, 0xA3, 0xFF, 230);
        const int middle = side / 2;
        const int cell = side / 3;              // inside the top-left cell of the symbol
        QVERIFY(qAlpha(icon.pixel(0, 0)) < 16); // the rounded corner grazes the outermost pixel at most
        QVERIFY(pixelIs(icon, {0, middle}, fill));
        QVERIFY(pixelIs(icon, {middle, middle}, fill)); // where the grid's gaps cross
        QVERIFY(pixelIs(icon, {cell, cell}, Qt::white));
        QVERIFY(pixelIs(icon, {side - 1 - cell, side - 1 - cell}, Qt::white));
        // Cells and gaps on whole pixels: across a row of cells no pixel is blurred between white and the fill.
        for (int x = 0; x < side; ++x) {
            QVERIFY(pixelIs(icon, {x, cell}, fill) || pixelIs(icon, {x, cell}, Qt::white));
        }
    }

    void itemViewAtTwiceTheResolution() {
        StatusBarItemView view("Mail", "#6BA3FF", ColorApplication::labelBackground);
        const QImage image = renderItemView(view, 2);
        QCOMPARE(image.size(), view.sizeHint() * 2);
        QCOMPARE(image.devicePixelRatio(), 2.0);
        QVERIFY(pixelIs(image, {0, 0}, Qt::transparent)); // no window background behind the label
        QVERIFY(pixelIs(image, {4, 22}, QColor(0x6B, 0xA3, 0xFF, 230)));
    }
};

QTEST_MAIN(TestStatusItemImages)
#include "tst_statusitemimages.moc"
