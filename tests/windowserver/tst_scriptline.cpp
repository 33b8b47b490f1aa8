// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "windowserver/scripted/ScriptLine.h"

#include <QTest>

Q_DECLARE_METATYPE(std::optional<QList<qint64>>)

class TestScriptLine : public QObject {
    Q_OBJECT

private slots:
    void readings_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<std::optional<QList<qint64>>>("spaces");
        QTest::addColumn<quint64>("active");
        QTest::newRow("list") << QByteArray(R"({"spaces": [5, 3, 3, 9], "active": 3})")
                              << std::optional(QList<qint64>{5, 3, 3, 9}) << quint64(3);
        QTest::newRow("no list") << QByteArray(R"({"active": 4, "spaces": null})") << std::optional<QList<qint64>>()
                                 << quint64(4);
        QTest::newRow("empty list") << QByteArray(R"({"spaces": [], "active": 0})") << std::optional(QList<qint64>{})
                                    << quint64(0);
        QTest::newRow("active beyond 2^63") << QByteArray(R"({"spaces": [-1], "active": 18446744073709551615})")
                                            << std::optional(QList<qint64>{-1}) << std::numeric_limits<quint64>::max();
        QTest::newRow("negative active, same bits")
            << QByteArray(R"({"spaces": [], "active": -1})") << std::optional(QList<qint64>{})
            << std::numeric_limits<quint64>::max();
    }

    void readings() {
        QFETCH(QByteArray, line);
        QFETCH(std::optional<QList<qint64>>, spaces);
        QFETCH(quint64, active);
        const ScriptLine::Line parsed = ScriptLine::parse(line);
        const auto* reading = std::get_if<ScriptLine::Reading>(&parsed);
        QVERIFY(reading);
        QCOMPARE(reading->spaces, spaces);
        QCOMPARE(reading->active, active);
    }

    void sleeps_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("milliseconds");
        QTest::newRow("fraction") << QByteArray(R"({"sleep": 0.2})") << 200;
        QTest::newRow("too long for a timer") << QByteArray(R"({"sleep": 1e30})") << std::numeric_limits<int>::max();
    }

    void sleeps() {
        QFETCH(QByteArray, line);
        QFETCH(int, milliseconds);
        const ScriptLine::Line parsed = ScriptLine::parse(line);
        QVERIFY(std::holds_alternative<ScriptLine::Sleep>(parsed));
        QCOMPARE(std::get<ScriptLine::Sleep>(parsed).milliseconds, milliseconds);
        QVERIFY(std::holds_alternative<ScriptLine::Blank>(ScriptLine::parse(" \t\r")));
    }

    void rejects_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("not JSON") << QByteArray("spaces: [1]");
        QTest::newRow("unknown member") << QByteArray(R"({"spaces": [1], "active": 1, "focus": 1})");
        QTest::newRow("active beyond 2^64") << QByteArray(R"({"spaces": [], "active": 18446744073709551616})");
        QTest::newRow("negative sleep") << QByteArray(R"({"sleep": -1})");
    }

    void rejects() {
        QFETCH(QByteArray, line);
        const ScriptLine::Line parsed = ScriptLine::parse(line);
        QVERIFY(std::holds_alternative<ScriptLine::Invalid>(parsed));
        QVERIFY(!std::get<ScriptLine::Invalid>(parsed).reason.isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestScriptLine)
#include "tst_scriptline.moc"
