// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "statusbar/StatusTile.h"

#include "PixelChecks.h"

#include <QTest>

class TestStatusTile : public QObject {
    Q_OBJECT

private slots:
    void numberIsLegibleAndFillsMostOfTheTile_data() {
        QTest::addColumn<QString>("color");
        QTest::addColumn<bool>("whiteText"); // or near black: whichever contrasts 4.5:1 or more
        QTest::addColumn<int>("sizePx");
        QTest::addColumn<qreal>("devicePixelRatio");
        QTest::addColumn<int>("number");
        // The palette's colour nearest to needing white, a grey between, a dark one, and white.
        QTest::newRow("purple, 22 px, doubled") << "#B76BFF" << false << 22 << 2.0 << 3;
        QTest::newRow("grey, two digits, 16 px") << "#A0A0A0" << false << 16 << 1.0 << 12;
        QTest::newRow("navy, 24 px") << "#1E2A44" << true << 24 << 1.0 << 3;
        QTest::newRow("white, 32 px") << "#FFFFFF" << false << 32 << 1.0 << 7;
    }

    void numberIsLegibleAndFillsMostOfTheTile() {
        QFETCH(QString, color);
        QFETCH(bool, whiteText);
        QFETCH(int, sizePx);
        QFETCH(qreal, devicePixelRatio);
        QFETCH(int, number);
        const QColor text = StatusTile::textColorOn(QColor(color));
        QCOMPARE(text == Qt::white, whiteText);
        const QImage tile = StatusTile::render(color, number, sizePx, devicePixelRatio);
        const int side = qRound(sizePx * devicePixelRatio);
        QCOMPARE(tile.size(), QSize(side, side));
        QCOMPARE(tile.devicePixelRatio(), devicePixelRatio);
        QVERIFY(pixelIs(tile, {0, side / 2}, QColor(color)));

        // The digits: within the tile, about 70% of its height, centred.
        const QRect digits = boundsOf(tile, [&text](QRgb pixel) {
            return qAlpha(pixel) == 255 &&
                   std::abs(qRed(pixel) - text.red()) + std::abs(qBlue(pixel) - text.blue()) < 60;
        });
        QVERIFY2(digits.height() >= 0.6 * side && digits.height() <= 0.8 * side,
                 qPrintable(QString::number(digits.height())));
        QVERIFY(digits.width() <= 0.9 * side);
        QVERIFY(digits.contains(QPoint(side / 2, side / 2)));
    }
};

QTEST_MAIN(TestStatusTile)
#include "tst_statustile.moc"
