#include "statusbar/StatusBarItemView.h"

#include "statusbar/StatusItemImages.h"

#include "PixelChecks.h"

#include <QDebug>
#include <QFontMetricsF>
#include <QTest>
#include <QtMath>

#include <functional>

namespace {

const QColor blue(0x33, 0x66, 0xCC);
const QString longTitle = u"Project Phoenix — Design Review"_qs;

qreal advanceOf(const QString& title) {
    return QFontMetricsF(StatusBarItemView::textFont()).horizontalAdvance(title);
}

// Whether the title's ink, as told by `isInk`, starts, tops and bottoms where the title drawn from `left` one pixel
// above the centre of a 22-pixel item puts it, within a pixel. (Its right end depends on the last glyph's thin
// strokes.)
void verifyTitleInk(const QImage& image, qreal left, const QString& title, const std::function<bool(QRgb)>& isInk) {
    const QFontMetricsF metrics(StatusBarItemView::textFont());
    const qreal top = (22 - metrics.height()) / 2 - 1;
    const QRectF expected = metrics.tightBoundingRect(title).translated(left, top + metrics.ascent());
    const QRectF ink(boundsOf(image, isInk));
    const auto near = [](qreal a, qreal b) {
        return qAbs(a - b) <= 1;
    };
    QString found;
    QDebug(&found) << "ink" << ink << "expected" << expected;
    QVERIFY2(near(ink.left(), expected.left()) && near(ink.top(), expected.top()) &&
                 near(ink.bottom(), expected.bottom()),
             qPrintable(found));
}

bool isOpaqueWhite(QRgb pixel) {
    return qAlpha(pixel) >= 250 && qRed(pixel) >= 250 && qGreen(pixel) >= 250 && qBlue(pixel) >= 250;
}

QImage render(const QString& title, const QString& color, ColorApplication mode) {
    StatusBarItemView view(title, color, mode);
    return renderItemView(view);
}

} // namespace

class TestStatusBarItemView : public QObject {
    Q_OBJECT

private slots:
    void intrinsicSize_data();
    void intrinsicSize();
    void labelAndSymbolGeometry_data();
    void labelAndSymbolGeometry();
    void wideTitleFollowsTheSymbol();
    void tintFillsTheWholeItem();
    void tintTextIsCentredInTheWindowTextColour();
    void fillColour_data();
    void fillColour();
};

void TestStatusBarItemView::intrinsicSize_data() {
    QTest::addColumn<QString>("title");
    QTest::addColumn<qreal>("width");
    QTest::newRow("empty") << "" << 74.0;
    QTest::newRow("narrower than 40") << "Mail" << 74.0;
    QTest::newRow("wide") << longTitle << advanceOf(longTitle) + 34;
}

void TestStatusBarItemView::intrinsicSize() {
    QFETCH(QString, title);
    QFETCH(qreal, width);
    const StatusBarItemView view(title, "#FF8800", ColorApplication::labelBackground);
    QCOMPARE(view.intrinsicContentSize(), QSizeF(width, 22));
    QCOMPARE(view.sizeHint(), QSize(qCeil(width), 22));
}

void TestStatusBarItemView::labelAndSymbolGeometry_data() {
    // An empty title: a 74-pixel label with the 14-pixel symbol centred at x = 28, y = 3 to 17.
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QColor>("expected");
    const QColor label = withAlpha(blue, 0.9);
    const QColor white = Qt::white;
    QTest::newRow("label's left end") << QPoint(0, 11) << label;
    QTest::newRow("label's right end") << QPoint(73, 11) << label;
    QTest::newRow("above the label") << QPoint(10, 0) << QColor(Qt::transparent);
    QTest::newRow("below the label") << QPoint(10, 21) << QColor(Qt::transparent);
    QTest::newRow("above the symbol") << QPoint(31, 2) << label;
    QTest::newRow("top cell, first row") << QPoint(31, 3) << white;
    QTest::newRow("top cell, last row") << QPoint(31, 8) << white;
    QTest::newRow("gap between rows") << QPoint(31, 10) << label;
    QTest::newRow("bottom cell, last row") << QPoint(31, 16) << white;
    QTest::newRow("below the symbol") << QPoint(31, 17) << label;
    QTest::newRow("left of the symbol") << QPoint(27, 5) << label;
    QTest::newRow("gap between columns") << QPoint(35, 5) << label;
    QTest::newRow("right column") << QPoint(39, 14) << white;
    QTest::newRow("right of the symbol") << QPoint(42, 5) << label;
}

void TestStatusBarItemView::labelAndSymbolGeometry() {
    QFETCH(QPoint, point);
    QFETCH(QColor, expected);
    const QImage image = render("", blue.name(), ColorApplication::labelBackground);
    QCOMPARE(image.size(), QSize(74, 22));
    VERIFY_PIXEL(image, point.x(), point.y(), expected);
}

void TestStatusBarItemView::wideTitleFollowsTheSymbol() {
    const QImage image = render(longTitle, blue.name(), ColorApplication::labelBackground);
    QCOMPARE(boundsOf(image.copy(0, 0, 24, 22), isOpaqueWhite), QRect(8, 3, 14, 14));
    // Past the symbol: white text over a label whose red is low.
    verifyTitleInk(image.copy(24, 0, image.width() - 24, 22), 26 - 24, longTitle,
                   [](QRgb pixel) { return qRed(pixel) > 160; });
}

void TestStatusBarItemView::tintFillsTheWholeItem() {
    const QImage image = render("", "#FF8800", ColorApplication::statusBarBackground);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            VERIFY_PIXEL(image, x, y, withAlpha(QColor(255, 136, 0), 0.3));
        }
    }
}

void TestStatusBarItemView::tintTextIsCentredInTheWindowTextColour() {
    StatusBarItemView view("Mail", "#FF8800", ColorApplication::statusBarBackground);
    QPalette palette = view.palette();
    palette.setColor(QPalette::WindowText, QColor(0, 170, 0));
    view.setPalette(palette);
    const QImage image = renderItemView(view);
    QVERIFY(boundsOf(image, isOpaqueWhite).isEmpty()); // no symbol
    QVERIFY(!boundsOf(image, [](QRgb pixel) { return pixel == qRgb(0, 170, 0); }).isEmpty());
    // Opaque where the text covers more than half of a pixel; the tint alone is 0.3.
    verifyTitleInk(image, (74 - advanceOf("Mail")) / 2, "Mail", [](QRgb pixel) { return qAlpha(pixel) > 166; });
}

void TestStatusBarItemView::fillColour_data() {
    QTest::addColumn<QString>("color");
    QTest::addColumn<ColorApplication>("mode");
    QTest::addColumn<QColor>("expected");
    const QColor orange(255, 136, 0);
    QTest::newRow("unreadable: black label")
        << "GG0000" << ColorApplication::labelBackground << withAlpha(Qt::black, 0.9);
    QTest::newRow("label alpha replaces the colour's")
        << "#40FF8800" << ColorApplication::labelBackground << withAlpha(orange, 0.9);
    QTest::newRow("tint alpha replaces the colour's")
        << "#40FF8800" << ColorApplication::statusBarBackground << withAlpha(orange, 0.3);
}

void TestStatusBarItemView::fillColour() {
    QFETCH(QString, color);
    QFETCH(ColorApplication, mode);
    QFETCH(QColor, expected);
    VERIFY_PIXEL(render("", color, mode), 2, 11, expected);
}

QTEST_MAIN(TestStatusBarItemView)
#include "tst_statusbaritemview.moc"
