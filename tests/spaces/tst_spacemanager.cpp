// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "spaces/SpaceManager.h"

#include "MarkingFixture.h"

#include <QRegularExpression>
#include <QTest>

#include <ranges>

namespace {

// The managers after their first refresh. Announcements are marked in the captured output.
struct Fixture : MarkingFixture {
    Fixture(QList<qint64> spaces, quint64 active)
        : MarkingFixture(std::move(spaces), active) {
        QObject::connect(spaceManager.get(), &SpaceManager::objectWillChange, &context,
                         [this] { capture.output.append("<will change>"); });
    }
    QList<SpaceID> storedSpaceIDs() const {
        const auto ids = std::views::keys(settings.settings().spaces);
        return {ids.begin(), ids.end()};
    }
    // Switches the fake window server, which announces it.
    void switchTo(std::optional<QList<qint64>> spaces, quint64 active) {
        windowServer.spaces = std::move(spaces);
        windowServer.active = active;
        emit windowServer.activeSpaceDidChange();
    }

    QObject context;
};

} // namespace

class TestSpaceManager : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(installEnglishTexts()); }

    // The last list stays; only the new active Space is taken, and announced again once it is in place.
    void refreshWithoutAListKeepsTheLastOne() {
        Fixture fixture({3, 5}, 3);
        fixture.switchTo(std::nullopt, 9);
        QCOMPARE(fixture.capture.output,
                 (QStringList{"🔄 Active Space changed", "🔍 Refreshing Spaces... Connection ID: 42", "<will change>",
                              "🖥️  Current Space ID: 9 (was: 3)", "❌ Failed to get spaces array",
                              "🖥️  Total Spaces: 2", "🔄 Space changed from 3 to 9"}));
        QCOMPARE(fixture.capture.systemLog, QStringList{"❌ CGSCopySpaces returned NULL"});
        QCoreApplication::processEvents();
        QCOMPARE(fixture.capture.output.count("<will change>"), 2);
        QCOMPARE(fixture.spaceManager->allSpaceIDs(), (QList<SpaceID>{3, 5}));
    }

    void listDifferences_data() {
        QTest::addColumn<QList<qint64>>("before");
        QTest::addColumn<QList<qint64>>("after");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QList<SpaceID>>("stored");
        QTest::newRow("only how often") << QList<qint64>{3, 5} << QList<qint64>{5, 3, 3} << QStringList{}
                                        << QList<SpaceID>{3, 5};
        QTest::newRow("none left removes no configuration")
            << QList<qint64>{3, 5} << QList<qint64>{} << QStringList{"➖ Deleted Spaces: [3, 5]"}
            << QList<SpaceID>{3, 5};
    }

    void listDifferences() {
        QFETCH(QList<qint64>, before);
        QFETCH(QList<qint64>, after);
        QFETCH(QStringList, lines);
        QFETCH(QList<SpaceID>, stored);
        Fixture fixture(before, 3);
        fixture.switchTo(after, 3);
        QCOMPARE(fixture.capture.output.filter(QRegularExpression("^(➕|➖)")), lines);
        QCoreApplication::processEvents();
        QCOMPARE(fixture.storedSpaceIDs(), stored);
    }

    void currentSpaceIndex_data() {
        QTest::addColumn<QList<qint64>>("spaces");
        QTest::addColumn<quint64>("active");
        QTest::addColumn<qint64>("index");
        QTest::newRow("not in the list") << QList<qint64>{3, 5} << quint64(4) << qint64(0);
        QTest::newRow("after a duplicate, which stays") << QList<qint64>{9, 1, 1} << quint64(9) << qint64(2);
        QTest::newRow("beyond 2^63 reads as negative") << QList<qint64>{4, -1, -2} << quint64(-1) << qint64(1);
    }

    void currentSpaceIndex() {
        QFETCH(QList<qint64>, spaces);
        QFETCH(quint64, active);
        QFETCH(qint64, index);
        Fixture fixture(spaces, active);
        QCOMPARE(fixture.spaceManager->currentSpaceIndex(), index);
    }

    void nothingRunsOnceTheManagerIsGone() {
        Fixture fixture({3, 5}, 3);
        fixture.switchTo(QList<qint64>{3, 5, 7}, 7); // its follow-up waits
        fixture.spaceManager.reset();
        fixture.capture.clear();
        QCoreApplication::processEvents();
        fixture.switchTo(QList<qint64>{3, 5, 9}, 9);
        QCoreApplication::processEvents();
        QCOMPARE(fixture.capture.output, QStringList());
        QCOMPARE(fixture.storedSpaceIDs(), (QList<SpaceID>{3, 5}));
    }
};

QTEST_GUILESS_MAIN(TestSpaceManager)
#include "tst_spacemanager.moc"
