// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "settings/SettingsManager.h"

#include "DiagnosticsCapture.h"
#include "settings/DefaultsStore.h"
#include "settings/SettingsDocument.h"
#include "core/LocalizedTexts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

Q_DECLARE_METATYPE(SpaceConfig)
Q_DECLARE_METATYPE(std::optional<QString>)

// A manager on a store in a temporary folder, whose change signals are counted and marked in the captured output,
// so tests can see where they fall among the printed lines.
class Fixture {
public:
    Fixture()
        : store(folder.path()) {}

    SettingsManager& manager() {
        if (!m_manager) {
            m_manager = std::make_unique<SettingsManager>(store);
            QObject::connect(m_manager.get(), &SettingsManager::objectWillChange, &context, [this] { ++willChange; });
            QObject::connect(m_manager.get(), &SettingsManager::settingsDidChange, &context, [this] {
                ++posts;
                capture.output.append("<posted>");
            });
        }
        return *m_manager;
    }
    void restart() { m_manager.reset(); }

    void writeDocument(const QByteArray& bytes) {
        QFile file(store.pathForKey("app_settings"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray storedDocument() const { return store.data("app_settings").value_or(QByteArray()); }

    QTemporaryDir folder;
    DefaultsStore store;
    QObject context;
    DiagnosticsCapture capture;
    int posts = 0;
    int willChange = 0;

private:
    std::unique_ptr<SettingsManager> m_manager;
};

class TestSettingsManager : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void firstRunCreatesNumberedDefaults();
    void defaultsFollowThePosition_data();
    void defaultsFollowThePosition();
    void updateConfig_data();
    void updateConfig();
    void cleanupRemovesOnlyVanishedSpaces_data();
    void cleanupRemovesOnlyVanishedSpaces();
    void announcesBeforeStoring();
    void restartReadsTheSameSettings();
    void unreadableDocumentIsKeptAsideBeforeTheFirstSave();
    void vanishedUnreadableDocumentIsReplaced();
    void failedSaveIsReportedAndTheProgramGoesOn();
    void returningSpaceGetsItsConfigBack_data();
    void returningSpaceGetsItsConfigBack();

private:
    QTranslator m_english;
};

void TestSettingsManager::initTestCase() {
    QVERIFY(m_english.load("vantorel_en", ":/i18n"));
    QCoreApplication::installTranslator(&m_english);
}

void TestSettingsManager::firstRunCreatesNumberedDefaults() {
    Fixture fixture;
    SettingsManager& manager = fixture.manager();
    manager.syncConfigs({3, 5, 7});
    // All new Spaces in one assignment: one save, however many there are.
    QCOMPARE(fixture.capture.output,
             QStringList({"💾 Settings saved", "<posted>",
                          "✨ Created default config for Space ID 3: name='Desktop 1', color=#FF6B6B",
                          "✨ Created default config for Space ID 5: name='Desktop 2', color=#6BA3FF",
                          "✨ Created default config for Space ID 7: name='Desktop 3', color=#6BCF7F"}));
    QCOMPARE(fixture.posts, 1);
    QCOMPARE(fixture.willChange, 1);
    const auto stored = SettingsDocument::decode(fixture.storedDocument()).settings;
    QVERIFY(stored);
    QCOMPARE(*stored, manager.settings());
    QCOMPARE(stored->spaces.size(), size_t(3));
}

void TestSettingsManager::defaultsFollowThePosition_data() {
    QTest::addColumn<bool>("translated");
    QTest::addColumn<qint64>("index");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("color");
    QTest::newRow("ninth repeats the palette") << true << qint64(8) << "Desktop 9"
                                               << "#FF6B6B";
    QTest::newRow("sixteenth") << true << qint64(15) << "Desktop 16"
                               << "#A0A0A0";
    QTest::newRow("no table: named by the key") << false << qint64(3) << "desktop_label"
                                                << "#FFA06B";
}

void TestSettingsManager::defaultsFollowThePosition() {
    QFETCH(bool, translated);
    QFETCH(qint64, index);
    QFETCH(QString, name);
    QFETCH(QString, color);
    Fixture fixture;
    if (!translated) {
        QCoreApplication::removeTranslator(&m_english);
    }
    const SpaceConfig created = fixture.manager().getOrCreateConfig(42, index);
    QCoreApplication::installTranslator(&m_english);
    QCOMPARE(created, (SpaceConfig{42, name, color}));
    fixture.capture.clear();
    // Stored now: another position changes nothing, and nothing is saved or signalled.
    QCOMPARE(fixture.manager().getOrCreateConfig(42, index + 1), (SpaceConfig{42, name, color}));
    QVERIFY(fixture.capture.output.isEmpty());
}

void TestSettingsManager::updateConfig_data() {
    QTest::addColumn<SpaceID>("spaceID");
    QTest::addColumn<std::optional<QString>>("name");
    QTest::addColumn<std::optional<QString>>("color");
    QTest::addColumn<SpaceConfig>("expected");
    QTest::addColumn<int>("posts");
    using Text = std::optional<QString>;
    QTest::newRow("name only") << SpaceID(5) << Text("Mail") << Text() << SpaceConfig{5, "Mail", "#6BA3FF"} << 1;
    QTest::newRow("colour only, unchecked")
        << SpaceID(5) << Text() << Text("teal") << SpaceConfig{5, "Desktop 2", "teal"} << 1;
    QTest::newRow("empty name") << SpaceID(5) << Text("") << Text() << SpaceConfig{5, "", "#6BA3FF"} << 1;
    QTest::newRow("neither still saves") << SpaceID(5) << Text() << Text() << SpaceConfig{5, "Desktop 2", "#6BA3FF"}
                                         << 1;
    QTest::newRow("unknown Space") << SpaceID(6) << Text("Mail") << Text() << SpaceConfig{5, "Desktop 2", "#6BA3FF"}
                                   << 0;
}

void TestSettingsManager::updateConfig() {
    QFETCH(SpaceID, spaceID);
    QFETCH(std::optional<QString>, name);
    QFETCH(std::optional<QString>, color);
    QFETCH(SpaceConfig, expected);
    QFETCH(int, posts);
    Fixture fixture;
    fixture.manager().getOrCreateConfig(5, 1);
    fixture.capture.clear();
    fixture.posts = 0;

    fixture.manager().updateConfig(spaceID, name, color);
    QCOMPARE(fixture.manager().settings().spaces.size(), size_t(1));
    QCOMPARE(fixture.manager().settings().spaces.at(5), expected);
    QCOMPARE(fixture.posts, posts);
    QCOMPARE(fixture.capture.output, posts == 0 ? QStringList() : QStringList({"💾 Settings saved", "<posted>"}));
}

void TestSettingsManager::cleanupRemovesOnlyVanishedSpaces_data() {
    QTest::addColumn<QList<SpaceID>>("existing");
    QTest::addColumn<QList<SpaceID>>("remaining");
    QTest::addColumn<QStringList>("output");
    QTest::newRow("two vanished") << QList<SpaceID>{9, 9} << QList<SpaceID>{9}
                                  << QStringList{
                                         "🧹 Cleaning up configs for deleted Spaces...",
                                         "   🗑️  Removing config: Space ID=3, name='Desktop 1', color=#FF6B6B",
                                         "💾 Settings saved",
                                         "<posted>",
                                         "   🗑️  Removing config: Space ID=5, name='Desktop 2', color=#6BA3FF",
                                         "💾 Settings saved",
                                         "<posted>",
                                         "✅ Cleanup complete. Removed 2 config(s)"};
    QTest::newRow("all still there, and more")
        << QList<SpaceID>{1, 3, 5, 9} << QList<SpaceID>{3, 5, 9} << QStringList();
    QTest::newRow("an empty list removes nothing") << QList<SpaceID>{} << QList<SpaceID>{3, 5, 9} << QStringList();
}

void TestSettingsManager::cleanupRemovesOnlyVanishedSpaces() {
    QFETCH(QList<SpaceID>, existing);
    QFETCH(QList<SpaceID>, remaining);
    QFETCH(QStringList, output);
    Fixture fixture;
    fixture.manager().syncConfigs({3, 5, 9});
    fixture.capture.clear();

    fixture.manager().cleanupDeletedSpaces(existing);
    QCOMPARE(fixture.capture.output, output);
    QList<SpaceID> kept;
    for (const auto& [spaceID, config] : fixture.manager().settings().spaces) {
        kept.append(spaceID);
    }
    QCOMPARE(kept, remaining);
    QCOMPARE(SettingsDocument::decode(fixture.storedDocument()).settings->spaces.size(), size_t(remaining.size()));
}

void TestSettingsManager::announcesBeforeStoring() {
    Fixture fixture;
    SettingsManager& manager = fixture.manager();
    QList<size_t> sizesSeen;
    connect(&manager, &SettingsManager::objectWillChange, &fixture.context,
            [&] { sizesSeen.append(manager.settings().spaces.size()); });
    manager.getOrCreateConfig(1, 0);
    manager.setSettings(manager.settings()); // an unchanged assignment announces, saves and posts all the same
    QCOMPARE(sizesSeen, (QList<size_t>{0, 1}));
    QCOMPARE(fixture.posts, 2);
}

void TestSettingsManager::restartReadsTheSameSettings() {
    Fixture fixture;
    fixture.manager().getOrCreateConfig(-4, 0);
    fixture.manager().updateConfig(-4, QStringLiteral("Ünïcode \"name\" 🙂"), QStringLiteral("#123456"));
    const AppSettings before = fixture.manager().settings();
    fixture.restart();
    fixture.capture.clear();
    QCOMPARE(fixture.manager().settings(), before);
    QVERIFY(fixture.capture.output.isEmpty());
}

void TestSettingsManager::unreadableDocumentIsKeptAsideBeforeTheFirstSave() {
    Fixture fixture;
    const QByteArray handEdited = R"({"spaces": {"1": {"id": 1, "name": "Work", "color": "#FF6B6B",}},
                                      "colorApplication": "label_background"})";
    fixture.writeDocument(handEdited);

    QCOMPARE(fixture.manager().settings(), AppSettings()); // starts from the defaults, silently
    QVERIFY(fixture.capture.output.isEmpty());
    QCOMPARE(fixture.storedDocument(), handEdited); // loading alone changes nothing

    fixture.manager().getOrCreateConfig(1, 0);
    fixture.manager().getOrCreateConfig(2, 1);
    const QStringList asides = QDir(fixture.folder.path()).entryList({"app_settings.json.unreadable-*"});
    QVERIFY2(asides.size() == 1, qPrintable(fixture.capture.output.join('\n')));
    QFile aside(fixture.folder.filePath(asides.constFirst()));
    QVERIFY(aside.open(QIODevice::ReadOnly));
    QCOMPARE(aside.readAll(), handEdited);
    QVERIFY(fixture.capture.output.constFirst().startsWith("💾 Unreadable settings (line 1, column "));
    QVERIFY(fixture.capture.output.constFirst().endsWith(" kept as " + aside.fileName()));
    QCOMPARE(fixture.capture.output.at(1), "💾 Settings saved");
    QVERIFY(SettingsDocument::decode(fixture.storedDocument()).settings);
}

void TestSettingsManager::vanishedUnreadableDocumentIsReplaced() {
    Fixture fixture;
    fixture.writeDocument("{");
    fixture.manager();
    QVERIFY(QFile::remove(fixture.store.pathForKey("app_settings")));
    fixture.manager().getOrCreateConfig(1, 0);
    fixture.manager().getOrCreateConfig(2, 1);
    QCOMPARE(fixture.capture.output.filter("💾").size(), 2);
    QCOMPARE(SettingsDocument::decode(fixture.storedDocument()).settings->spaces.size(), size_t(2));
}

void TestSettingsManager::failedSaveIsReportedAndTheProgramGoesOn() {
    Fixture fixture;
    fixture.manager().getOrCreateConfig(1, 0);
    const QString path = fixture.store.pathForKey("app_settings");
    // The document's place is taken by a folder: no write can succeed.
    QVERIFY(QFile::remove(path));
    QVERIFY(QDir().mkdir(path));
    fixture.capture.clear();
    fixture.posts = 0;

    fixture.manager().updateConfig(1, QStringLiteral("Mail"), std::nullopt);
    QCOMPARE(fixture.capture.output.size(), 2);
    QVERIFY(fixture.capture.output.at(0).startsWith("❌ Failed to save settings: " + path + ": "));
    QCOMPARE(fixture.capture.output.at(1), "<posted>");
    QCOMPARE(fixture.manager().settings().spaces.at(1).name, "Mail");
}

void TestSettingsManager::returningSpaceGetsItsConfigBack_data() {
    QTest::addColumn<bool>("restart");
    QTest::addColumn<qint64>("spaces");
    QTest::addColumn<qint64>("restored"); // of Spaces 2 and up: only the most recent removals are kept
    QTest::newRow("desktops 3 and 4 go away for a moment") << false << qint64(4) << qint64(2);
    QTest::newRow("and the program restarts meanwhile") << true << qint64(4) << qint64(2);
    QTest::newRow("more removed than are kept")
        << false << qint64(RemovedSpaces::mostKept + 11) << qint64(RemovedSpaces::mostKept);
}

void TestSettingsManager::returningSpaceGetsItsConfigBack() {
    QFETCH(bool, restart);
    QFETCH(qint64, spaces);
    QFETCH(qint64, restored);
    Fixture fixture;
    QList<SpaceID> all;
    for (SpaceID spaceID = 1; spaceID <= spaces; ++spaceID) {
        all.append(spaceID);
    }
    fixture.manager().syncConfigs(all);
    fixture.manager().updateConfig(spaces, QStringLiteral("Mail"), QStringLiteral("#123456"));
    fixture.manager().syncConfigs({1, 2});
    if (restart) {
        fixture.restart();
    }
    fixture.capture.clear();
    fixture.manager().syncConfigs(all);
    QCOMPARE(fixture.manager().settings().spaces.at(spaces), (SpaceConfig{spaces, "Mail", "#123456"}));
    QCOMPARE(fixture.capture.output.filter("♻️ Restored config for Space ID ").size(), restored);
    QVERIFY(fixture.capture.output.contains(
        QStringLiteral("♻️ Restored config for Space ID %1: name='Mail', color=#123456").arg(spaces)));
}

QTEST_GUILESS_MAIN(TestSettingsManager)
#include "tst_settingsmanager.moc"
