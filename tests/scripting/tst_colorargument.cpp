// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "scripting/ColorArgument.h"

#include <QTest>

class TestColorArgument : public QObject {
    Q_OBJECT

private slots:
    void readsColours_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("stored"); // empty: refused
        QTest::newRow("palette name in any case") << QString(" Purple") << "#B76BFF";
        QTest::newRow("lower case, no #") << QString("6bcf7f ") << "#6BCF7F";
        QTest::newRow("three digits") << QString("#f80") << "#FF8800";
        QTest::newRow("with alpha") << QString("#80ff0000") << "#80FF0000";
        QTest::newRow("opaque alpha") << QString("#ffff0000") << "#FF0000";
        QTest::newRow("five digits") << QString("#12345") << "";
        QTest::newRow("not hexadecimal") << QString("#12345g") << "";
        QTest::newRow("other colour name") << QString("mauve") << "";
    }

    void readsColours() {
        QFETCH(QString, text);
        QFETCH(QString, stored);
        QCOMPARE(ColorArgument::colorHex(text).value_or(QString()), stored);
    }
};

QTEST_APPLESS_MAIN(TestColorArgument)
#include "tst_colorargument.moc"
