// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "statusbar/StatusTile.h"

#include "PixelChecks.h"

#include <QTest>

#include <cmath>

namespace {

// WCAG 2's contrast ratio, the measure of legibility the tile is held to.
qreal contrastRatio(const QColor& one, const QColor& other) {
    const auto luminance = [](const QColor& colour) {
        const auto linear = [](qreal c) {
            return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
    };
    const qreal first = luminance(one);
    const qreal second = luminance(other);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

} // namespace

class TestStatusTile : public QObject {
    Q_OBJECT

private slots:
    void numberIsLegibleOnEveryColour_data() {
        QTest::addColumn<QString>("color");
        for (const char* color : {"#FF6B6B", "#6BA3FF", "#6BCF7F", "#FFA06B", "#B76BFF", "#FFD93D", "#FF6BD9",
                                  "#A0A0A0", "#1E2A44", "#000000", "#FFFFFF"}) {
            QTest::newRow(color) << color;
        }
    }

    void numberIsLegibleOnEveryColour() {
        QFETCH(QString, color);
        QVERIFY(contrastRatio(StatusTile::textColorOn(QColor(color)), QColor(color)) >= 4.5);
    }

    void numberFillsMostOfTheTile_data() {
        QTest::addColumn<int>("sizePx");
        QTest::addColumn<qreal>("devicePixelRatio");
        QTest::addColumn<int>("number");
        for (int size : {16, 22, 24, 32, 44}) {
            QTest::addRow("%d px", size) << size << 1.0 << 3;
        }
        QTest::newRow("22 px, doubled") << 22 << 2.0 << 3;
        QTest::newRow("two digits, 16 px") << 16 << 1.0 << 12;
    }

    void numberFillsMostOfTheTile() {
        QFETCH(int, sizePx);
        QFETCH(qreal, devicePixelRatio);
        QFETCH(int, number);
        const QColor fill(0x6B, 0xA3, 0xFF);
        const QImage tile = StatusTile::render(fill.name(), number, sizePx, devicePixelRatio);
        const int side = qRound(sizePx * devicePixelRatio);
        QCOMPARE(tile.size(), QSize(side, side));
        QCOMPARE(tile.devicePixelRatio(), devicePixelRatio);
        QVERIFY(qAlpha(tile.pixel(0, 0)) < 128); // rounded corners
        QVERIFY(pixelIs(tile, {0, side / 2}, fill));

        // The digits: within the tile, about 70% of its height, centred to within a pixel.
        const QColor text = StatusTile::textColorOn(fill);
        const QRect digits = boundsOf(tile, [&text](QRgb pixel) {
            return qAlpha(pixel) == 255 &&
                   std::abs(qRed(pixel) - text.red()) + std::abs(qBlue(pixel) - text.blue()) < 60;
        });
        QVERIFY2(digits.height() >= 0.6 * side && digits.height() <= 0.8 * side,
                 qPrintable(QString::number(digits.height())));
        QVERIFY(digits.width() <= 0.9 * side);
        QVERIFY(std::abs(digits.top() - (side - 1 - digits.bottom())) <= 1 + devicePixelRatio);
        QVERIFY(std::abs(digits.left() - (side - 1 - digits.right())) <= 1 + devicePixelRatio);
    }
};

QTEST_MAIN(TestStatusTile)
#include "tst_statustile.moc"
