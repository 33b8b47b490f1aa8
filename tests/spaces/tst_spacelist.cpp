// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "spaces/SpaceList.h"

#include "DiagnosticsCapture.h"
#include "FakeWindowServer.h"

#include <QTest>

Q_DECLARE_METATYPE(std::optional<QList<qint64>>)

class TestSpaceList : public QObject {
    Q_OBJECT

private slots:
    void convertsToAscendingOrder_data() {
        QTest::addColumn<QList<qint64>>("raw");
        QTest::addColumn<QList<qint64>>("sorted");
        QTest::newRow("duplicates kept") << QList<qint64>{5, 3, 3, 9} << QList<qint64>{3, 3, 5, 9};
        QTest::newRow("signed order") << QList<qint64>{0, -1, std::numeric_limits<qint64>::min()}
                                      << QList<qint64>{std::numeric_limits<qint64>::min(), -1, 0};
        QTest::newRow("empty") << QList<qint64>{} << QList<qint64>{};
    }

    void convertsToAscendingOrder() {
        QFETCH(QList<qint64>, raw);
        QFETCH(QList<qint64>, sorted);
        const SpaceList::Converted converted = SpaceList::convert(raw);
        QCOMPARE(converted.sorted, sorted);
        QCOMPARE(converted.unsorted, raw);
    }

    void logsWhatTheWindowServerGave_data() {
        QTest::addColumn<std::optional<QList<qint64>>>("spaces");
        QTest::addColumn<QString>("line");
        QTest::newRow("three") << std::optional(QList<qint64>{1, 2, 3}) << "✅ CGSCopySpaces returned 3 spaces";
        QTest::newRow("none") << std::optional(QList<qint64>{}) << "✅ CGSCopySpaces returned 0 spaces";
        QTest::newRow("no list") << std::optional<QList<qint64>>() << "❌ CGSCopySpaces returned NULL";
    }

    void logsWhatTheWindowServerGave() {
        QFETCH(std::optional<QList<qint64>>, spaces);
        QFETCH(QString, line);
        FakeWindowServer windowServer;
        windowServer.spaces = spaces;
        DiagnosticsCapture capture;
        QCOMPARE(SpaceList::getAllSpaceIDs(windowServer, 42), spaces);
        QCOMPARE(windowServer.lastMask, 7);
        QCOMPARE(capture.systemLog, QStringList{line});
        QVERIFY(capture.output.isEmpty());
    }

    void activeValueKeepsItsBits() {
        QCOMPARE(SpaceList::spaceIDFromActiveValue(7), SpaceID(7));
        QCOMPARE(SpaceList::spaceIDFromActiveValue(std::numeric_limits<quint64>::max()), SpaceID(-1));
        QCOMPARE(SpaceList::spaceIDFromActiveValue(quint64(1) << 63), std::numeric_limits<SpaceID>::min());
    }
};

QTEST_APPLESS_MAIN(TestSpaceList)
#include "tst_spacelist.moc"
