// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "spaces/SpaceManager.h"

#include "DiagnosticsCapture.h"
#include "FakeWindowServer.h"
#include "settings/DefaultsStore.h"
#include "settings/SettingsManager.h"

#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

Q_DECLARE_METATYPE(std::optional<QList<qint64>>)

namespace {

// Runs every queued call, and those they queue.
void runQueuedCalls() {
    QCoreApplication::processEvents();
}

} // namespace

// A space manager on a fake window server and a settings manager on a temporary folder. Announcements are counted
// and marked in the captured output.
class Fixture {
public:
    explicit Fixture(QList<qint64> spaces, quint64 active)
        : store(folder.path())
        , settings(store) {
        windowServer.spaces = std::move(spaces);
        windowServer.active = active;
    }

    SpaceManager& manager() {
        if (!m_manager) {
            m_manager = std::make_unique<SpaceManager>(windowServer, [this]() -> SettingsManager& { return settings; });
            QObject::connect(m_manager.get(), &SpaceManager::objectWillChange, &context, [this] {
                ++willChange;
                capture.output.append("<will change>");
            });
        }
        return *m_manager;
    }
    void destroyManager() { m_manager.reset(); }
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

    DiagnosticsCapture capture;
    QTemporaryDir folder;
    DefaultsStore store;
    SettingsManager settings;
    FakeWindowServer windowServer;
    QObject context;
    int willChange = 0;

private:
    std::unique_ptr<SpaceManager> m_manager;
};

class TestSpaceManager : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void firstRefreshFindsEverySpace();
    void refreshTranscript_data();
    void refreshTranscript();
    void listDifferences_data();
    void listDifferences();
    void currentSpaceIndex_data();
    void currentSpaceIndex();
    void followUpRunsBeforeTheDeferredAnnouncement();
    void followUpUsesTheListOfItsOwnRefresh();
    void nothingRunsOnceTheManagerIsGone();

private:
    QTranslator m_english;
};

void TestSpaceManager::initTestCase() {
    QVERIFY(m_english.load("vantorel_en", ":/i18n"));
    QCoreApplication::installTranslator(&m_english);
}

void TestSpaceManager::firstRefreshFindsEverySpace() {
    Fixture fixture({7, 3, 5}, 5);
    SpaceManager& manager = fixture.manager();
    QCOMPARE(manager.connectionID(), 42);
    QCOMPARE(manager.allSpaceIDs(), (QList<SpaceID>{3, 5, 7}));
    QCOMPARE(manager.currentSpaceID(), SpaceID(5));
    QCOMPARE(manager.currentSpaceIndex(), 1);
    QCOMPARE(
        fixture.capture.output,
        (QStringList{"🔍 Refreshing Spaces... Connection ID: 42", "🖥️  Current Space ID: 5 (was: 0)",
                     "📋 Raw spaces array: [7, 3, 5]",
                     "✅ Converted Space IDs (sorted by ID): [3, 5, 7] (raw: [7, 3, 5])", "📍 Current space index: 1",
                     "🖥️  Total Spaces: 3", "➕ New Spaces detected: [3, 5, 7]", "🔄 Space changed from 0 to 5"}));
    QCOMPARE(fixture.capture.systemLog, QStringList{"✅ CGSCopySpaces returned 3 spaces"});

    runQueuedCalls();
    QCOMPARE(fixture.storedSpaceIDs(), (QList<SpaceID>{3, 5, 7}));
}

void TestSpaceManager::refreshTranscript_data() {
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

void TestSpaceManager::refreshTranscript() {
    QFETCH(std::optional<QList<qint64>>, spaces);
    QFETCH(quint64, active);
    QFETCH(QStringList, lines);
    QFETCH(int, announcedLater);
    Fixture fixture({3, 5}, 3);
    fixture.manager();
    runQueuedCalls();
    fixture.capture.clear();
    fixture.willChange = 0;

    fixture.switchTo(spaces, active);
    QCOMPARE(fixture.capture.output,
             QStringList({"🔄 Active Space changed", "🔍 Refreshing Spaces... Connection ID: 42"}) + lines);
    const int announcedAtOnce = fixture.willChange;
    runQueuedCalls();
    QCOMPARE(fixture.willChange, announcedAtOnce + announcedLater);
}

void TestSpaceManager::listDifferences_data() {
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
                          << QStringList{"➕ New Spaces detected: [9]", "➖ Deleted Spaces: [5]"} << QList<SpaceID>{3, 9};
    QTest::newRow("none left removes no configuration")
        << QList<qint64>{3, 5} << QList<qint64>{} << QStringList{"➖ Deleted Spaces: [3, 5]"} << QList<SpaceID>{3, 5};
}

void TestSpaceManager::listDifferences() {
    QFETCH(QList<qint64>, before);
    QFETCH(QList<qint64>, after);
    QFETCH(QStringList, lines);
    QFETCH(QList<SpaceID>, stored);
    Fixture fixture(before, 3);
    fixture.manager();
    runQueuedCalls();
    fixture.capture.clear();

    fixture.switchTo(after, 3);
    QStringList differenceLines;
    for (const QString& line : std::as_const(fixture.capture.output)) {
        if (line.startsWith("➕") || line.startsWith("➖")) {
            differenceLines.append(line);
        }
    }
    QCOMPARE(differenceLines, lines);
    runQueuedCalls();
    QCOMPARE(fixture.storedSpaceIDs(), stored);
}

void TestSpaceManager::currentSpaceIndex_data() {
    QTest::addColumn<QList<qint64>>("spaces");
    QTest::addColumn<quint64>("active");
    QTest::addColumn<qint64>("index");
    QTest::newRow("not in the list") << QList<qint64>{3, 5} << quint64(4) << qint64(0);
    QTest::newRow("second") << QList<qint64>{5, 3} << quint64(5) << qint64(1);
    QTest::newRow("first of a duplicate") << QList<qint64>{9, 9, 1} << quint64(9) << qint64(1);
    QTest::newRow("beyond 2^63 reads as negative") << QList<qint64>{-1, 4} << quint64(-1) << qint64(0);
}

void TestSpaceManager::currentSpaceIndex() {
    QFETCH(QList<qint64>, spaces);
    QFETCH(quint64, active);
    QFETCH(qint64, index);
    Fixture fixture(spaces, active);
    QCOMPARE(fixture.manager().currentSpaceIndex(), index);
}

// Two announcements before the values are stored, one after the switch, once the new Space has its configuration.
void TestSpaceManager::followUpRunsBeforeTheDeferredAnnouncement() {
    Fixture fixture({3}, 3);
    SpaceManager& manager = fixture.manager();
    runQueuedCalls();
    QStringList seen; // the active Space and whether Space 8 is configured, at each announcement
    QObject::connect(&manager, &SpaceManager::objectWillChange, &fixture.context, [&] {
        seen.append(
            QStringLiteral("%1 %2").arg(manager.currentSpaceID()).arg(fixture.settings.settings().spaces.contains(8)));
    });
    fixture.switchTo(QList<qint64>{3, 8}, 8);
    runQueuedCalls();
    QCOMPARE(seen, (QStringList{"3 0", "8 0", "8 1"}));
}

void TestSpaceManager::followUpUsesTheListOfItsOwnRefresh() {
    Fixture fixture({3}, 3);
    fixture.manager();
    runQueuedCalls();
    fixture.switchTo(QList<qint64>{3, 4}, 3);
    fixture.switchTo(QList<qint64>{3, 4, 5}, 3);
    fixture.capture.clear();
    runQueuedCalls();
    QCOMPARE(fixture.capture.output.filter("✨"),
             (QStringList{"✨ Created default config for Space ID 4: name='Desktop 2', color=#6BA3FF",
                          "✨ Created default config for Space ID 5: name='Desktop 3', color=#6BCF7F"}));
}

void TestSpaceManager::nothingRunsOnceTheManagerIsGone() {
    Fixture fixture({3, 5}, 3);
    fixture.manager();
    fixture.destroyManager();
    fixture.capture.clear();
    fixture.switchTo(QList<qint64>{3, 5, 7}, 7);
    runQueuedCalls();
    QVERIFY(fixture.capture.output.isEmpty());
    QVERIFY(fixture.storedSpaceIDs().isEmpty());
}

QTEST_GUILESS_MAIN(TestSpaceManager)
#include "tst_spacemanager.moc"
