// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "core/JsonReader.h"

#include <QTest>

class TestJsonReader : public QObject {
    Q_OBJECT

private slots:
    void integers_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("isInteger");
        QTest::addColumn<qint64>("value");

        QTest::newRow("minus zero") << QByteArray("-0") << true << qint64(0);
        QTest::newRow("highest") << QByteArray("9223372036854775807") << true << std::numeric_limits<qint64>::max();
        QTest::newRow("lowest") << QByteArray("-9223372036854775808") << true << std::numeric_limits<qint64>::min();
        QTest::newRow("beyond highest") << QByteArray("9223372036854775808") << false << qint64(0);
        QTest::newRow("with fraction") << QByteArray("1.0") << false << qint64(0);
        QTest::newRow("a string") << QByteArray("\"1\"") << false << qint64(0);
    }

    void integers() {
        QFETCH(QByteArray, text);
        QFETCH(bool, isInteger);
        QFETCH(qint64, value);
        const JsonParseResult result = parseJson(text);
        QVERIFY2(result.value, qPrintable(result.error));
        QCOMPARE(result.value->toInteger().has_value(), isInteger);
        QCOMPARE(result.value->toInteger().value_or(0), value);
    }

    void rejects_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("trailing comma") << QByteArray("[1,]");
        QTest::newRow("leading zero") << QByteArray("01");
        QTest::newRow("raw newline in string") << QByteArray("\"a\nb\"");
        QTest::newRow("short unicode escape") << QByteArray("\"\\u12\"");
        QTest::newRow("overlong UTF-8") << QByteArray("\"\xC0\xAF\"");
        QTest::newRow("deep nesting") << QByteArray(100000, '[');
    }

    void rejects() {
        QFETCH(QByteArray, text);
        const JsonParseResult result = parseJson(text);
        QVERIFY(!result.value);
        QVERIFY(!result.error.isEmpty());
    }

    void reportsWhereItFailed() {
        const JsonParseResult result = parseJson("{\n  \"a\": 1\n  \"b\": 2\n}");
        QCOMPARE(result.error, QStringLiteral("line 3, column 3: expected ',' or '}'"));
    }
};

QTEST_APPLESS_MAIN(TestJsonReader)
#include "tst_jsonreader.moc"
