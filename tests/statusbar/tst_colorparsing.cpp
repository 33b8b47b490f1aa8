#include "statusbar/ColorParsing.h"

#include <QTest>

class TestColorParsing : public QObject {
    Q_OBJECT

private slots:
    void readsComponents_data();
    void readsComponents();
    void colorFromHexIsSrgb();
};

void TestColorParsing::readsComponents_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("rgba");
    const QList<int> black{0, 0, 0, 255};
    const QList<int> orange{255, 136, 0, 255};
    QTest::newRow("six digits") << "#FF8800" << orange;
    QTest::newRow("no #, blanks around, lower case") << " \tff8800 \n" << orange;
    QTest::newRow("punctuation around") << "(#ff8800)." << orange;
    QTest::newRow("emoji around") << u"🎨 #FF8800 🎨"_qs << orange;
    QTest::newRow("lone surrogate after") << QStringLiteral("#FF8800") + QChar(0xD800) << orange;
    QTest::newRow("three digits, each times 17") << "#F80" << orange;
    QTest::newRow("eight digits carry alpha first") << "#80FF0000" << QList<int>{255, 0, 0, 128};
    QTest::newRow("five digits") << "#12345" << black;
    QTest::newRow("empty") << "" << black;
    QTest::newRow("lone #") << "#" << black;
    QTest::newRow("no hex digit reads nothing") << "GG0000" << black;
    QTest::newRow("full-width digits are no hex digits") << u"ＦＦ８８００"_qs << black;
    QTest::newRow("junk inside, seven characters") << "#12345GH" << black;
    QTest::newRow("junk inside: the prefix counts") << "#FF88ZZ" << QList<int>{0, 255, 136, 255};
    QTest::newRow("0x prefix counts as length") << "0x1" << QList<int>{0, 0, 17, 255};
    QTest::newRow("0X prefix, six characters") << "0X1234" << QList<int>{0, 0x12, 0x34, 255};
    QTest::newRow("letter beyond the BMP stays") << u"#FF8800𝐀"_qs << black;
    QTest::newRow("emoji inside is one character") << u"FF😀800"_qs << QList<int>{0, 0, 255, 255};
    QTest::newRow("e + combining accent is one character") << u"ABCDe\u0301F"_qs << QList<int>{0x0A, 0xBC, 0xDE, 255};
    QTest::newRow("combining mark at the end stays") << u"#FFF\u0301"_qs << QList<int>{255, 255, 255, 255};
}

void TestColorParsing::readsComponents() {
    QFETCH(QString, text);
    QFETCH(QList<int>, rgba);
    const HexColorComponents components = hexColorComponents(text);
    QCOMPARE((QList<int>{components.red, components.green, components.blue, components.alpha}), rgba);
}

void TestColorParsing::colorFromHexIsSrgb() {
    const QColor color = colorFromHex("#80FF8800");
    QCOMPARE(color.spec(), QColor::Rgb);
    QCOMPARE(color, QColor(255, 136, 0, 128));
}

QTEST_APPLESS_MAIN(TestColorParsing)
#include "tst_colorparsing.moc"
