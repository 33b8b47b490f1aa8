// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "marking/ColorButton.h"

#include "PixelChecks.h"

#include <QTest>

class TestColorButton : public QObject {
    Q_OBJECT

private slots:
    void drawsTheCheckMarkOnlyWhenSelected_data() {
        QTest::addColumn<bool>("selected");
        QTest::newRow("selected") << true;
        QTest::newRow("not selected") << false;
    }

    void drawsTheCheckMarkOnlyWhenSelected() {
        QFETCH(bool, selected);
        ColorButton button("#6BA3FF", selected, [] {});
        const QImage image = button.grab().toImage();
        const QPoint centre = button.swatchRect().center();
        QCOMPARE(pixelIs(image, centre + QPoint(-3, -4), Qt::white), selected); // beside the tick, in the disc
        QVERIFY(pixelIs(image, centre + QPoint(0, 10), QColor("#6BA3FF")));
        QCOMPARE(button.toolTip(), "#6BA3FF");
    }

    void onlyAClickOnTheSwatchRunsTheAction() {
        int actions = 0;
        ColorButton button("#6BA3FF", false, [&] { ++actions; });
        QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(1, 1)); // the shadow's margin
        QTest::mouseClick(&button, Qt::LeftButton, {}, button.swatchRect().center());
        QCOMPARE(actions, 1);
        QVERIFY(!button.isSelected()); // its owner decides
    }
};

QTEST_MAIN(TestColorButton)
#include "tst_colorbutton.moc"
