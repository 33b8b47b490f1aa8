// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "statusbar/StatusBarItemView.h"

#include "statusbar/StatusItemImages.h"

#include "PixelChecks.h"

#include <QFontMetricsF>
#include <QTest>
#include <QtMath>

#include <functional>

namespace {

const QString longTitle = u"Project Phoenix — Design Review"_qs;

QImage render(const QString& title, const QString& color, ColorApplication mode, QColor textColor = Qt::black) {
    StatusBarItemView view(title, color, mode);
    QPalette palette = view.palette();
    palette.setColor(QPalette::WindowText, textColor);
    view.setPalette(palette);
    return renderItemView(view);
}

// Whether the title's ink (the pixels that pass `isInk`) starts, tops and bottoms within a pixel of where the title
// drawn from `left`, one pixel above the middle of the 22-pixel item, puts its glyphs.
bool titleInkIsAt(const QImage& image, qreal left, const QString& title, const std::function<bool(QRgb)>& isInk) {
    const QFontMetricsF metrics(StatusBarItemView::textFont());
    const qreal baseline = (22 - metrics.height()) / 2 - 1 + metrics.ascent();
    const QRectF glyphs = metrics.tightBoundingRect(title).translated(left, baseline);
    const QRectF ink(boundsOf(image, isInk));
    return qAbs(ink.left() - glyphs.left()) <= 1 && qAbs(ink.top() - glyphs.top()) <= 1 &&
           qAbs(ink.bottom() - glyphs.bottom()) <= 1;
}

} // namespace

class TestStatusBarItemView : public QObject {
    Q_OBJECT

private slots:
    void intrinsicSize_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<qreal>("width");
        QTest::newRow("empty") << "" << 74.0;
        QTest::newRow("narrower than 40") << "Mail" << 74.0;
        const QFontMetricsF metrics(StatusBarItemView::textFont());
        QTest::newRow("wide") << longTitle << metrics.horizontalAdvance(longTitle) + 34;
        // Elided, so that no picture of the item grows with the name.
        const QString endless(200000, u'W');
        QTest::newRow("200,000 characters")
            << endless << metrics.horizontalAdvance(metrics.elidedText(endless.left(1000), Qt::ElideRight, 400)) + 34;
    }

    void intrinsicSize() {
        QFETCH(QString, title);
        QFETCH(qreal, width);
        const StatusBarItemView view(title, "#FF8800", ColorApplication::labelBackground);
        QCOMPARE(view.intrinsicContentSize(), QSizeF(width, 22));
        QCOMPARE(view.sizeHint(), QSize(qCeil(width), 22));
    }

    void labelAndSymbol_data() {
        // An empty title: the label spans all 74 pixels; the 14-pixel symbol is centred at x = 28, y = 3 to 17. The
        // colour's own alpha (0x40) gives way to the label's. Drawn at twice the resolution, as panels ask for it.
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QColor>("expected");
        const QColor label(0x33, 0x66, 0xCC, 230);
        QTest::newRow("label's left end") << QPoint(0, 11) << label;
        QTest::newRow("label's right end") << QPoint(73, 11) << label;
        QTest::newRow("above the label") << QPoint(10, 0) << QColor(Qt::transparent);
        QTest::newRow("below the label") << QPoint(10, 21) << QColor(Qt::transparent);
        QTest::newRow("above the symbol") << QPoint(31, 2) << label;
        QTest::newRow("top cell") << QPoint(31, 3) << QColor(Qt::white);
        QTest::newRow("gap between rows") << QPoint(31, 10) << label;
        QTest::newRow("bottom cell") << QPoint(31, 16) << QColor(Qt::white);
        QTest::newRow("below the symbol") << QPoint(31, 17) << label;
        QTest::newRow("gap between columns") << QPoint(35, 5) << label;
    }

    void labelAndSymbol() {
        QFETCH(QPoint, point);
        QFETCH(QColor, expected);
        StatusBarItemView view("", "#403366CC", ColorApplication::labelBackground);
        QVERIFY(pixelIs(renderItemView(view, 2), point * 2, expected));
    }

    void wideTitleFollowsTheSymbol() {
        const QImage image = render(longTitle, "#3366CC", ColorApplication::labelBackground);
        const auto opaqueWhite = [](QRgb pixel) {
            return pixel == qRgba(255, 255, 255, 255);
        };
        QCOMPARE(boundsOf(image.copy(0, 0, 24, 22), opaqueWhite), QRect(8, 3, 14, 14));
        // White text over a label whose red is low.
        const QImage textPart = image.copy(24, 0, image.width() - 24, 22);
        QVERIFY(titleInkIsAt(textPart, 26 - 24, longTitle, [](QRgb pixel) { return qRed(pixel) > 160; }));
    }

    void tint() {
        const QImage empty = render("", "#40FF8800", ColorApplication::statusBarBackground);
        const QRgb tint = empty.pixel(0, 0);
        QVERIFY(pixelIs(empty, {0, 0}, QColor(255, 136, 0, 77)));
        QCOMPARE(boundsOf(empty, [tint](QRgb pixel) { return pixel != tint; }), QRect()); // the whole item alike

        const QImage mail = render("Mail", "#FF8800", ColorApplication::statusBarBackground, QColor(0, 170, 0));
        QVERIFY(!boundsOf(mail, [](QRgb pixel) { return pixel == qRgb(0, 170, 0); }).isEmpty());
        // No symbol; the text is centred and opaque where it covers more than half a pixel.
        const qreal left = (74 - QFontMetricsF(StatusBarItemView::textFont()).horizontalAdvance("Mail")) / 2;
        QVERIFY(titleInkIsAt(mail, left, "Mail", [](QRgb pixel) { return qAlpha(pixel) > 166; }));
    }

    void unreadableColourDrawsBlack() {
        QVERIFY(pixelIs(render("", "GG0000", ColorApplication::labelBackground), {2, 11}, QColor(0, 0, 0, 230)));
    }
};

QTEST_MAIN(TestStatusBarItemView)
#include "tst_statusbaritemview.moc"
