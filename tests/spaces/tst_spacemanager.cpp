// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "spaces/SpaceManager.h"

#include "MarkingFixture.h"

#include <QRegularExpression>
#include <QTest>

Q_DECLARE_METATYPE(std::optional<QList<qint64>>)

namespace {

// Runs every queued call, and those they queue.
void runQueuedCalls() {
    QCoreApplication::processEvents();
}

// The managers after their first refresh. Announcements are counted and marked in the captured output.
struct Fixture : MarkingFixture {
    Fixture(QList<qint64> spaces, quint64 active)
        : MarkingFixture(std::move(spaces), active) {
        QObject::connect(spaceManager.get(), &SpaceManager::objectWillChange, &context, [this] {
            ++willChange;
            capture.output.append("<will change>");
        });
    }
    QList<SpaceID> storedSpaceIDs() const {
        QList<SpaceID> ids;
        for (const auto& [id, config] : settings.settings().spaces) {
            ids.append(id);
        }
        return ids;
    }
    // Switches the fake window server, which announces it.
    void switchTo(std::optional<QList<qint64>> spaces, quint64 active) {
        windowServer.spaces = std::move(spaces);
        windowServer.active = active;
        emit windowServer.activeSpaceDidChange();
    }

    QObject context;
    int willChange = 0;
};

} // namespace

class TestSpaceManager : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(installEnglishTexts()); }

    void firstRefreshFindsEverySpace() {
        Fixture fixture({7, 3, 5}, 5);
        const SpaceManager& manager = *fixture.spaceManager;
        QCOMPARE(manager.connectionID(), 42);
        QCOMPARE(manager.allSpaceIDs(), (QList<SpaceID>{3, 5, 7}));
        QCOMPARE(manager.currentSpaceID(), SpaceID(5));
        QCOMPARE(manager.currentSpaceIndex(), 1);
        QCOMPARE(fixture.storedSpaceIDs(), (QList<SpaceID>{3, 5, 7}));
    }

    void refreshTranscript_data() {
        QTest::addColumn<std::optional<QList<qint64>>>("spaces");
        QTest::addColumn<quint64>("active");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("announcedLater"); // by the deferred announcement
        QTest::newRow("nothing changed") << std::optional(QList<qint64>{5, 3}) << quint64(3)
                                         << QStringList{"<will change>",
                                                        "🖥️  Current Space ID: 3 (was: 3)",
                                                        "📋 Raw spaces array: [5, 3]",
                                                        "<will change>",
                                                        "✅ Converted Space IDs (sorted by ID): [3, 5] (raw: [5, 3])",
                                                        "📍 Current space index: 0",
                                                        "🖥️  Total Spaces: 2"}
                                         << 0;
        QTest::newRow("no list keeps the last one")
            << std::optional<QList<qint64>>() << quint64(9)
            << QStringList{"<will change>", "🖥️  Current Space ID: 9 (was: 3)", "❌ Failed to get spaces array",
                           "🖥️  Total Spaces: 2", "🔄 Space changed from 3 to 9"}
            << 1;
    }

    void refreshTranscript() {
        QFETCH(std::optional<QList<qint64>>, spaces);
        QFETCH(quint64, active);
        QFETCH(QStringList, lines);
        QFETCH(int, announcedLater);
        Fixture fixture({3, 5}, 3);
        fixture.switchTo(spaces, active);
        QCOMPARE(fixture.capture.output,
                 QStringList({"🔄 Active Space changed", "🔍 Refreshing Spaces... Connection ID: 42"}) + lines);
        const int announcedAtOnce = fixture.willChange;
        runQueuedCalls();
        QCOMPARE(fixture.willChange, announcedAtOnce + announcedLater);
    }

    void listDifferences_data() {
        QTest::addColumn<QList<qint64>>("before");
        QTest::addColumn<QList<qint64>>("after");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QList<SpaceID>>("stored");
        QTest::newRow("only how often") << QList<qint64>{3, 5} << QList<qint64>{5, 3, 3} << QStringList{}
                                        << QList<SpaceID>{3, 5};
        QTest::newRow("one added") << QList<qint64>{3, 5} << QList<qint64>{3, 5, 9}
                                   << QStringList{"➕ New Spaces detected: [9]"} << QList<SpaceID>{3, 5, 9};
        QTest::newRow("one removed") << QList<qint64>{3, 5, 9} << QList<qint64>{3, 9}
                                     << QStringList{"➖ Deleted Spaces: [5]"} << QList<SpaceID>{3, 9};
        QTest::newRow("both") << QList<qint64>{3, 5} << QList<qint64>{3, 9}
                              << QStringList{"➕ New Spaces detected: [9]", "➖ Deleted Spaces: [5]"}
                              << QList<SpaceID>{3, 9};
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
        runQueuedCalls();
        QCOMPARE(fixture.storedSpaceIDs(), stored);
    }

    void currentSpaceIndex_data() {
        QTest::addColumn<QList<qint64>>("spaces");
        QTest::addColumn<quint64>("active");
        QTest::addColumn<qint64>("index");
        QTest::newRow("not in the list") << QList<qint64>{3, 5} << quint64(4) << qint64(0);
        QTest::newRow("second") << QList<qint64>{5, 3} << quint64(5) << qint64(1);
        QTest::newRow("first of a duplicate") << QList<qint64>{9, 9, 1} << quint64(9) << qint64(1);
        QTest::newRow("beyond 2^63 reads as negative") << QList<qint64>{-1, 4} << quint64(-1) << qint64(0);
    }

    void currentSpaceIndex() {
        QFETCH(QList<qint64>, spaces);
        QFETCH(quint64, active);
        QFETCH(qint64, index);
        Fixture fixture(spaces, active);
        QCOMPARE(fixture.spaceManager->currentSpaceIndex(), index);
    }

    // Two announcements before the values are stored, one after the switch, once the new Space has its configuration.
    void followUpRunsBeforeTheDeferredAnnouncement() {
        Fixture fixture({3}, 3);
        const SpaceManager& manager = *fixture.spaceManager;
        QStringList seen; // the active Space and whether Space 8 is configured, at each announcement
        QObject::connect(&manager, &SpaceManager::objectWillChange, &fixture.context, [&] {
            seen.append(QStringLiteral("%1 %2")
                            .arg(manager.currentSpaceID())
                            .arg(fixture.settings.settings().spaces.contains(8)));
        });
        fixture.switchTo(QList<qint64>{3, 8}, 8);
        runQueuedCalls();
        QCOMPARE(seen, (QStringList{"3 0", "8 0", "8 1"}));
    }

    void followUpUsesTheListOfItsOwnRefresh() {
        Fixture fixture({3}, 3);
        fixture.switchTo(QList<qint64>{3, 4}, 3);
        fixture.switchTo(QList<qint64>{3, 4, 5}, 3);
        fixture.capture.clear();
        runQueuedCalls();
        QCOMPARE(fixture.capture.output.filter("✨"),
                 (QStringList{"✨ Created default config for Space ID 4: name='Desktop 2', color=#6BA3FF",
                              "✨ Created default config for Space ID 5: name='Desktop 3', color=#6BCF7F"}));
    }

    void nothingRunsOnceTheManagerIsGone() {
        Fixture fixture({3, 5}, 3);
        fixture.switchTo(QList<qint64>{3, 5, 7}, 7); // its follow-up waits
        fixture.spaceManager.reset();
        fixture.capture.clear();
        runQueuedCalls();
        fixture.switchTo(QList<qint64>{3, 5, 9}, 9);
        runQueuedCalls();
        QCOMPARE(fixture.capture.output, QStringList());
        QCOMPARE(fixture.storedSpaceIDs(), (QList<SpaceID>{3, 5}));
    }
};

QTEST_GUILESS_MAIN(TestSpaceManager)
#include "tst_spacemanager.moc"
