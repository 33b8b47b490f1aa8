#include "marking/ViewColor.h"

#include <QTest>

// The reading itself is the status bar's (tst_colorparsing); here: the window's colour carries it exactly.
class TestViewColor : public QObject {
    Q_OBJECT

private slots:
    void readsLikeTheStatusBar_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<float>>("rgba");
        QTest::newRow("palette red") << "#FF6B6B" << QList<float>{1.f, 107 / 255.f, 107 / 255.f, 1.f};
        QTest::newRow("no #, blanks, lower case") << " ff6b6b " << QList<float>{1.f, 107 / 255.f, 107 / 255.f, 1.f};
        QTest::newRow("three digits") << "#F80" << QList<float>{1.f, 136 / 255.f, 0.f, 1.f};
        QTest::newRow("alpha first") << "#80FF0000" << QList<float>{1.f, 0.f, 0.f, 128 / 255.f};
        QTest::newRow("0x prefix counts") << "0xFFFFFF" << QList<float>{1.f, 1.f, 1.f, 0.f};
        QTest::newRow("five hex digits then G") << "12345G" << QList<float>{1 / 255.f, 35 / 255.f, 69 / 255.f, 1.f};
        QTest::newRow("a word") << "blue" << QList<float>{0.f, 0.f, 0.f, 1.f};
    }

    void readsLikeTheStatusBar() {
        QFETCH(QString, text);
        QFETCH(QList<float>, rgba);
        const QColor color = viewColorFromHex(text);
        QCOMPARE(color.spec(), QColor::Rgb);
        QCOMPARE(QList<float>({color.redF(), color.greenF(), color.blueF(), color.alphaF()}), rgba);
    }
};

QTEST_APPLESS_MAIN(TestViewColor)
#include "tst_viewcolor.moc"
