// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "statusbar/StatusBarItemView.h"

#include "statusbar/StatusItemImages.h"

#include "PixelChecks.h"

#include <QTest>

Q_DECLARE_METATYPE(ColorApplication)

class TestStatusBarItemView : public QObject {
    Q_OBJECT

private slots:
    void drawsTheColourSymbolAndTitle_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("color");
        QTest::addColumn<ColorApplication>("mode");
        QTest::addColumn<QColor>("background"); // at the item's left end; the label's alpha overrides the colour's
        QTest::addColumn<bool>("symbol");
        using enum ColorApplication;
        QTest::newRow("label") << u"Project Phoenix — Design Review"_qs << "#403366CC" << labelBackground
                               << QColor(0x33, 0x66, 0xCC, 230) << true;
        // Elided, so that no picture of the item grows with the name.
        QTest::newRow("unreadable colour, endless name")
            << QString(200000, u'W') << "GG0000" << labelBackground << QColor(0, 0, 0, 230) << true;
        QTest::newRow("tinted bar, short name")
            << "Mail"
            << "#40FF8800" << statusBarBackground << QColor(255, 136, 0, 77) << false;
    }

    void drawsTheColourSymbolAndTitle() {
        QFETCH(QString, title);
        QFETCH(QString, color);
        QFETCH(ColorApplication, mode);
        QFETCH(QColor, background);
        QFETCH(bool, symbol);
        StatusBarItemView view(title, color, mode);
        const QImage image = renderItemView(view);
        QVERIFY2(image.height() == 22 && image.width() >= 74 && image.width() <= 74 + 400,
                 qPrintable(QDebug::toString(image.size())));
        QVERIFY(pixelIs(image, {1, 11}, background));
        const QRect symbolArea = boundsOf(image.copy(0, 0, 24, 22), [](QRgb pixel) { return pixel == 0xFFFFFFFF; });
        QCOMPARE(symbolArea.size(), symbol ? QSize(14, 14) : QSize(0, 0));
        // The title's ink lies after the symbol, in the middle rows, clear of the label's rounded ends.
        const QRgb fill = image.pixel(1, 11);
        const QRect ink =
            boundsOf(image.copy(24, 4, image.width() - 32, 14), [fill](QRgb pixel) { return pixel != fill; });
        QVERIFY2(ink.height() >= 6, qPrintable(QDebug::toString(ink)));
    }
};

QTEST_MAIN(TestStatusBarItemView)
#include "tst_statusbaritemview.moc"
