// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "settings/SettingsManager.h"

#include "DiagnosticsCapture.h"
#include "settings/DefaultsStore.h"
#include "settings/SettingsDocument.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <ranges>

Q_DECLARE_METATYPE(SpaceConfig)
Q_DECLARE_METATYPE(std::optional<QString>)

// A manager on a store in a temporary folder, whose change signals are marked in the captured output, so tests can
// see where they fall among the printed lines.
class Fixture {
public:
    Fixture()
        : store(folder.path()) {}

    SettingsManager& manager() {
        if (!m_manager) {
            m_manager = std::make_unique<SettingsManager>(store);
            QObject::connect(m_manager.get(), &SettingsManager::settingsDidChange, &context,
                             [this] { capture.output.append("<posted>"); });
        }
        return *m_manager;
    }

    QByteArray storedDocument() const { return store.data("app_settings").value_or(QByteArray()); }

    QTemporaryDir folder;
    DefaultsStore store;
    QObject context;
    DiagnosticsCapture capture;

private:
    std::unique_ptr<SettingsManager> m_manager;
};

class TestSettingsManager : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(m_english.load("vantorel_en", ":/i18n"));
        QCoreApplication::installTranslator(&m_english);
    }

    void defaultsFollowThePosition_data() {
        QTest::addColumn<bool>("translated");
        QTest::addColumn<qint64>("index");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("color");
        QTest::newRow("ninth repeats the palette") << true << qint64(8) << "Desktop 9"
                                                   << "#FF6B6B";
        QTest::newRow("no table: named by the key") << false << qint64(3) << "desktop_label"
                                                    << "#FFA06B";
    }

    void defaultsFollowThePosition() {
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

    void updateConfig_data() {
        QTest::addColumn<SpaceID>("spaceID");
        QTest::addColumn<std::optional<QString>>("name");
        QTest::addColumn<std::optional<QString>>("color");
        QTest::addColumn<bool>("blocked"); // a folder in the document's place: no write can succeed
        QTest::addColumn<SpaceConfig>("expected");
        QTest::addColumn<QStringList>("output"); // <document> stands for the document's path
        using Text = std::optional<QString>;
        const QStringList saved{"💾 Settings saved", "<posted>"};
        QTest::newRow("name only") << SpaceID(5) << Text("Mail") << Text() << false << SpaceConfig{5, "Mail", "#6BA3FF"}
                                   << saved;
        QTest::newRow("colour only, unchecked")
            << SpaceID(5) << Text() << Text("teal") << false << SpaceConfig{5, "Desktop 2", "teal"} << saved;
        QTest::newRow("unknown Space: nothing saved")
            << SpaceID(6) << Text("Mail") << Text() << false << SpaceConfig{5, "Desktop 2", "#6BA3FF"} << QStringList();
        QTest::newRow("failed save: reported, and the program goes on")
            << SpaceID(5) << Text("Mail") << Text() << true << SpaceConfig{5, "Mail", "#6BA3FF"}
            << QStringList{"❌ Failed to save settings: <document>: Is a directory", "<posted>"};
    }

    void updateConfig() {
        QFETCH(SpaceID, spaceID);
        QFETCH(std::optional<QString>, name);
        QFETCH(std::optional<QString>, color);
        QFETCH(bool, blocked);
        QFETCH(SpaceConfig, expected);
        QFETCH(QStringList, output);
        Fixture fixture;
        fixture.manager().getOrCreateConfig(5, 1);
        const QString document = fixture.store.pathForKey("app_settings");
        QVERIFY(!blocked || (QFile::remove(document) && QDir().mkdir(document)));
        fixture.capture.clear();

        fixture.manager().updateConfig(spaceID, name, color);
        QCOMPARE(fixture.manager().settings().spaces.size(), size_t(1));
        QCOMPARE(fixture.manager().settings().spaces.at(5), expected);
        QCOMPARE(fixture.capture.output, output.replaceInStrings("<document>", document));
    }

    // One save for each removed configuration, and nothing said when none goes.
    void cleanupRemovesOnlyVanishedSpaces_data() {
        QTest::addColumn<QList<SpaceID>>("existing");
        QTest::addColumn<QList<SpaceID>>("remaining");
        QTest::newRow("two vanished") << QList<SpaceID>{9, 9} << QList<SpaceID>{9};
        QTest::newRow("all still there, and more") << QList<SpaceID>{1, 3, 5, 9} << QList<SpaceID>{3, 5, 9};
        QTest::newRow("an empty list removes nothing") << QList<SpaceID>{} << QList<SpaceID>{3, 5, 9};
    }

    void cleanupRemovesOnlyVanishedSpaces() {
        QFETCH(QList<SpaceID>, existing);
        QFETCH(QList<SpaceID>, remaining);
        Fixture fixture;
        fixture.manager().syncConfigs({3, 5, 9});
        fixture.capture.clear();

        fixture.manager().cleanupDeletedSpaces(existing);
        QCOMPARE(fixture.capture.output.count("💾 Settings saved"), 3 - remaining.size());
        QCOMPARE(fixture.capture.output.isEmpty(), remaining.size() == 3);
        const auto kept = std::views::keys(fixture.manager().settings().spaces);
        QCOMPARE(QList<SpaceID>(kept.begin(), kept.end()), remaining);
        QCOMPARE(SettingsDocument::decode(fixture.storedDocument()).settings->spaces.size(), size_t(remaining.size()));
    }

    void unreadableDocumentIsKeptAsideBeforeTheFirstSave() {
        Fixture fixture;
        const QByteArray handEdited = R"({"spaces": {"1": {"id": 1, "name": "Work", "color": "#FF6B6B",}},
                                          "colorApplication": "label_background"})";
        QVERIFY(fixture.store.setData("app_settings", handEdited));
        QCOMPARE(fixture.manager().settings(), AppSettings()); // starts from the defaults, silently
        QVERIFY(fixture.capture.output.isEmpty());
        QCOMPARE(fixture.storedDocument(), handEdited); // loading alone changes nothing

        fixture.manager().getOrCreateConfig(1, 0);
        fixture.manager().getOrCreateConfig(2, 1);
        const QStringList asides = QDir(fixture.folder.path()).entryList({"app_settings.json.unreadable-*"});
        QCOMPARE(asides.size(), 1);
        QCOMPARE(fixture.capture.output.filter("💾 Settings saved").size(), 2);
        QCOMPARE(SettingsDocument::decode(fixture.storedDocument()).settings->spaces.size(), size_t(2));
        QFile aside(fixture.folder.filePath(asides.constFirst()));
        QVERIFY(aside.open(QIODevice::ReadOnly));
        QCOMPARE(aside.readAll(), handEdited);
        QVERIFY(fixture.capture.output.constFirst().startsWith("💾 Unreadable settings (line 1, column "));
        QVERIFY(fixture.capture.output.constFirst().endsWith(" kept as " + aside.fileName()));
    }

    // Only the most recent removals are kept for a return.
    void returningSpacesGetTheirConfigsBack() {
        const qint64 spaces = RemovedSpaces::mostKept + 11;
        Fixture fixture;
        QList<SpaceID> all;
        for (SpaceID spaceID = 1; spaceID <= spaces; ++spaceID) {
            all.append(spaceID);
        }
        fixture.manager().syncConfigs(all);
        fixture.manager().updateConfig(spaces, QStringLiteral("Mail"), QStringLiteral("#123456"));
        fixture.manager().syncConfigs({1, 2});
        fixture.capture.clear();
        fixture.manager().syncConfigs(all);
        QCOMPARE(fixture.manager().settings().spaces.at(spaces), (SpaceConfig{spaces, "Mail", "#123456"}));
        QCOMPARE(fixture.capture.output.filter("♻️ Restored config for Space ID ").size(), RemovedSpaces::mostKept);
        QVERIFY(fixture.capture.output.contains(
            QStringLiteral("♻️ Restored config for Space ID %1: name='Mail', color=#123456").arg(spaces)));
    }

private:
    QTranslator m_english;
};

QTEST_GUILESS_MAIN(TestSettingsManager)
#include "tst_settingsmanager.moc"
