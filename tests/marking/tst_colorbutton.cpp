#include "marking/ColorButton.h"

#include "PixelChecks.h"

#include <QTest>

namespace {

QImage render(const ColorButton& button) {
    QImage image(button.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const_cast<ColorButton&>(button).render(&image, {}, {}, QWidget::RenderFlags());
    return image;
}

} // namespace

class TestColorButton : public QObject {
    Q_OBJECT

private slots:
    void showsTheCheckMarkOnlyWhenSelected_data() {
        QTest::addColumn<bool>("selected");
        QTest::newRow("selected") << true;
        QTest::newRow("not selected") << false;
    }

    void showsTheCheckMarkOnlyWhenSelected() {
        QFETCH(bool, selected);
        const ColorButton button("#6BA3FF", selected, [] {});
        const QImage image = render(button);
        const QRect swatch = button.swatchRect();
        QCOMPARE(swatch.size(), QSize(24, 24));
        // The tick is cut out of a white disc: white beside the tick's corner, swatch colour at the swatch's rim.
        QCOMPARE(pixelIs(image, swatch.center() + QPoint(-3, -4), Qt::white), selected);
        QVERIFY(pixelIs(image, swatch.center() + QPoint(0, 10), QColor("#6BA3FF")));
        QCOMPARE(button.toolTip(), "#6BA3FF");
        QCOMPARE(button.accessibleName(), "#6BA3FF");
    }

    void castsASoftShadowBelow() {
        const ColorButton button("#FFFFFF", false, [] {});
        const QImage image = render(button);
        const QRect swatch = button.swatchRect();
        const int belowSwatch = qAlpha(image.pixel(swatch.center().x(), swatch.bottom() + 1));
        QVERIFY2(belowSwatch > 0 && belowSwatch < 0.15 * 255, qPrintable(QString::number(belowSwatch)));
        QCOMPARE(qAlpha(image.pixel(swatch.center().x(), swatch.top() - 2)), 0);
    }

    void clickOnTheSwatchRunsTheAction() {
        int actions = 0;
        ColorButton button("#6BA3FF", false, [&] { ++actions; });
        QTest::mouseClick(&button, Qt::LeftButton, {}, button.swatchRect().center());
        QCOMPARE(actions, 1);
        QVERIFY(!button.isSelected());                                // the owner decides
        QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(1, 1)); // in the shadow's margin
        QCOMPARE(actions, 1);
    }
};

QTEST_MAIN(TestColorButton)
#include "tst_colorbutton.moc"
