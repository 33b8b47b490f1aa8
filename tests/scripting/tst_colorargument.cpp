// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "scripting/ColorArgument.h"

#include <QTest>

class TestColorArgument : public QObject {
    Q_OBJECT

private slots:
    void readsColours_data();
    void readsColours();
};

void TestColorArgument::readsColours_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stored"); // empty: refused
    QTest::newRow("palette name in any case") << " Purple"
                                              << "#B76BFF";
    QTest::newRow("last palette name") << "grey"
                                       << "#A0A0A0";
    QTest::newRow("lower case, no #") << "6bcf7f "
                                      << "#6BCF7F";
    QTest::newRow("three digits") << "#f80"
                                  << "#FF8800";
    QTest::newRow("with alpha") << "#80ff0000"
                                << "#80FF0000";
    QTest::newRow("opaque alpha") << "#ffff0000"
                                  << "#FF0000";
    QTest::newRow("five digits") << "#12345"
                                 << "";
    QTest::newRow("not hexadecimal") << "#12345g"
                                     << "";
    QTest::newRow("hexadecimal prefix") << "0xFFFFFF"
                                        << "";
    QTest::newRow("other colour name") << "mauve"
                                       << "";
    QTest::newRow("empty") << ""
                           << "";
}

void TestColorArgument::readsColours() {
    QFETCH(QString, text);
    QFETCH(QString, stored);
    QCOMPARE(ColorArgument::colorHex(text).value_or(QString()), stored);
}

QTEST_APPLESS_MAIN(TestColorArgument)
#include "tst_colorargument.moc"
