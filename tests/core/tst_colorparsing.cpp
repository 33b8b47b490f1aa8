// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "core/ColorParsing.h"

#include <QTest>

class TestColorParsing : public QObject {
    Q_OBJECT

private slots:
    void readsComponents_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("expected");
        const QColor black(0, 0, 0);
        const QColor orange(255, 136, 0);
        QTest::newRow("six digits") << "#FF8800" << orange;
        QTest::newRow("no #, blanks around, lower case") << " \tff8800 \n" << orange;
        QTest::newRow("emoji and punctuation around") << u"🎨 (#FF8800). 🎨"_qs << orange;
        QTest::newRow("three digits, each times 17") << "#F80" << orange;
        QTest::newRow("eight digits carry alpha first") << "#80FF0000" << QColor(255, 0, 0, 128);
        QTest::newRow("five digits") << "#12345" << black;
        QTest::newRow("full-width digits are no hex digits") << u"ＦＦ８８００"_qs << black;
        QTest::newRow("junk inside: the prefix counts") << "#FF88ZZ" << QColor(0, 255, 136);
        QTest::newRow("0x prefix counts as length") << "0X1" << QColor(0, 0, 17);
        QTest::newRow("emoji inside is one character") << u"FF😀800"_qs << QColor(0, 0, 255);
    }

    void readsComponents() {
        QFETCH(QString, text);
        QFETCH(QColor, expected);
        const HexColorComponents components = hexColorComponents(text);
        QCOMPARE(QColor(components.red, components.green, components.blue, components.alpha), expected);
        QCOMPARE(colorFromHex(text), expected);
    }
};

QTEST_APPLESS_MAIN(TestColorParsing)
#include "tst_colorparsing.moc"
