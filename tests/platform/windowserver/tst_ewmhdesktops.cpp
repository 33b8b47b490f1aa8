#include "platform/windowserver/x11/EwmhDesktops.h"

#include <QTest>

using Reading = EwmhDesktops::Reading;
Q_DECLARE_METATYPE(Reading)
Q_DECLARE_METATYPE(std::optional<QList<qint64>>)

class TestEwmhDesktops : public QObject {
    Q_OBJECT

private slots:
    void readings_data();
    void readings();
};

void TestEwmhDesktops::readings_data() {
    QTest::addColumn<Reading>("reading");
    QTest::addColumn<std::optional<QList<qint64>>>("spaces");
    QTest::addColumn<quint64>("active");
    QTest::addColumn<QString>("problem");
    QTest::newRow("four desktops, the third current")
        << Reading{4, 2} << std::optional(QList<qint64>{1, 2, 3, 4}) << quint64(3) << "";
    QTest::newRow("current beyond the count")
        << Reading{2, 5} << std::optional(QList<qint64>{1, 2}) << quint64(6) << "";
    QTest::newRow("no count") << Reading{std::nullopt, 0} << std::optional<QList<qint64>>() << quint64(1)
                              << "_NET_NUMBER_OF_DESKTOPS";
    QTest::newRow("no current") << Reading{1, std::nullopt} << std::optional(QList<qint64>{1}) << quint64(0) << "";
    QTest::newRow("absurd count") << Reading{0xFFFFFFFFu, 0xFFFFFFFFu} << std::optional<QList<qint64>>()
                                  << quint64(0x100000000) << "4294967295";
    QTest::newRow("no desktops") << Reading{0, std::nullopt} << std::optional(QList<qint64>{}) << quint64(0) << "";
}

void TestEwmhDesktops::readings() {
    QFETCH(Reading, reading);
    QFETCH(std::optional<QList<qint64>>, spaces);
    QFETCH(quint64, active);
    QFETCH(QString, problem);
    QCOMPARE(EwmhDesktops::spaceIDs(reading), spaces);
    QCOMPARE(EwmhDesktops::activeSpace(reading), active);
    QCOMPARE(EwmhDesktops::problem(reading).isEmpty(), problem.isEmpty());
    QVERIFY(EwmhDesktops::problem(reading).contains(problem));
}

QTEST_APPLESS_MAIN(TestEwmhDesktops)
#include "tst_ewmhdesktops.moc"
