// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "statusbar/StatusItemImages.h"

#include "statusbar/StatusBarItemView.h"

#include "PixelChecks.h"

#include <QTest>

class TestStatusItemImages : public QObject {
    Q_OBJECT

private slots:
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
