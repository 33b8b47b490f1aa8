#include "statusbar/StatusItemImages.h"

#include "statusbar/StatusBarItemView.h"

#include "PixelChecks.h"

#include <QTest>
#include <QtMath>

class TestStatusItemImages : public QObject {
    Q_OBJECT

private slots:
    void trayIcon_data();
    void trayIcon();
    void itemViewAtTwiceTheResolution();
};

void TestStatusItemImages::trayIcon_data() {
    QTest::addColumn<int>("sizePx");
    QTest::addColumn<qreal>("devicePixelRatio");
    QTest::newRow("i3bar") << 17 << 1.0;
    QTest::newRow("tint2, waybar") << 22 << 1.0;
    QTest::newRow("waybar, doubled") << 22 << 2.0;
}

void TestStatusItemImages::trayIcon() {
    QFETCH(int, sizePx);
    QFETCH(qreal, devicePixelRatio);
    const QImage icon = renderTrayIcon("#6BA3FF", sizePx, devicePixelRatio);
    const int side = qCeil(sizePx * devicePixelRatio);
    QCOMPARE(icon.size(), QSize(side, side));
    QCOMPARE(icon.devicePixelRatio(), devicePixelRatio);

    const QColor fill = withAlpha(QColor(0x6B, 0xA3, 0xFF), 0.9);
    const int middle = side / 2;
    QVERIFY(qAlpha(icon.pixel(0, 0)) < 16); // the rounded corner grazes the outermost pixel at most
    VERIFY_PIXEL(icon, 0, middle, fill);
    VERIFY_PIXEL(icon, middle, middle, fill); // where the grid's gaps cross
    const int topLeftCell = qFloor(side * 0.33);
    VERIFY_PIXEL(icon, topLeftCell, topLeftCell, Qt::white);
    VERIFY_PIXEL(icon, side - 1 - topLeftCell, side - 1 - topLeftCell, Qt::white);
}

void TestStatusItemImages::itemViewAtTwiceTheResolution() {
    StatusBarItemView view("Mail", "#6BA3FF", ColorApplication::labelBackground);
    const QImage image = renderItemView(view, 2);
    QCOMPARE(image.size(), view.sizeHint() * 2);
    QCOMPARE(image.devicePixelRatio(), 2.0);
    VERIFY_PIXEL(image, 0, 0, QColor(Qt::transparent)); // no window background behind the label
    VERIFY_PIXEL(image, 4, 22, withAlpha(QColor(0x6B, 0xA3, 0xFF), 0.9));
}

QTEST_MAIN(TestStatusItemImages)
#include "tst_statusitemimages.moc"
