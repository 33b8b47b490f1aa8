// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "settings/SettingsDocument.h"

#include <QTest>

Q_DECLARE_METATYPE(AppSettings)

namespace {

AppSettings settingsWith(std::initializer_list<SpaceConfig> configs) {
    AppSettings settings;
    for (const SpaceConfig& config : configs) {
        settings.spaces[config.id] = config;
    }
    return settings;
}

QByteArray documentWithSpace(const QByteArray& key, const QByteArray& config) {
    return "{\"spaces\": {\"" + key + "\": " + config + "}, \"colorApplication\": \"label_background\"}";
}

// What the program writes for the example below.
const QByteArray documentedLayout = "{\n"
                                    "  \"spaces\" : {\n"
                                    "    \"-3\" : {\n"
                                    "      \"id\" : -3,\n"
                                    R"(      "name" : "\"q\" \\ /\b\f\n\r\t\u0000\u001f)"
                                    "\xC3\xA9\xF0\x9F\x99\x82"
                                    R"(x\udc00\ud800",)"
                                    "\n"
                                    "      \"color\" : \"#000000\"\n"
                                    "    },\n"
                                    "    \"2\" : {\n"
                                    "      \"id\" : 8,\n"
                                    "      \"name\" : \"Key two, id eight\",\n"
                                    "      \"color\" : \"#123456\"\n"
                                    "    }\n"
                                    "  },\n"
                                    "  \"colorApplication\" : \"statusbar_background\",\n"
                                    "  \"language\" : \"de\"\n"
                                    "}";

} // namespace

class TestSettingsDocument : public QObject {
    Q_OBJECT

private slots:
    void writesTheDocumentedLayout();
    void rejectsWholeDocument_data();
    void rejectsWholeDocument();
    void accepts_data();
    void accepts();
};

// Negative keys first, the key kept apart from the id, every escape, the language last; and all of it reads back.
void TestSettingsDocument::writesTheDocumentedLayout() {
    const QString name = QStringLiteral("\"q\" \\ /\b\f\n\r\t") + QChar(0) + QChar(0x1F) + QStringLiteral("é🙂x") +
                         QChar(0xDC00) + QChar(0xD800);
    AppSettings tinted = settingsWith({{-3, name, "#000000"}});
    tinted.spaces[2] = {8, "Key two, id eight", "#123456"};
    tinted.colorApplication = ColorApplication::statusBarBackground;
    tinted.language = QStringLiteral("de");
    QCOMPARE(SettingsDocument::encode(tinted), documentedLayout);
    QCOMPARE(SettingsDocument::decode(SettingsDocument::encode(tinted)).settings.value_or(AppSettings()), tinted);
    QCOMPARE(SettingsDocument::encode(AppSettings()),
             QByteArray("{\n  \"spaces\" : {},\n  \"colorApplication\" : \"label_background\"\n}"));
}

void TestSettingsDocument::rejectsWholeDocument_data() {
    QTest::addColumn<QByteArray>("document");
    const QByteArray valid = R"({"id": 7, "name": "N", "color": "#FF6B6B"})";

    QTest::newRow("not JSON") << QByteArray("{\"spaces\": {}, ");
    QTest::newRow("spaces missing") << QByteArray(R"({"colorApplication": "label_background"})");
    for (const char* key : {"1.5", " 7", "-", "--7", "9223372036854775808"}) {
        QTest::addRow("key \"%s\"", key) << documentWithSpace(key, valid);
    }
    QTest::newRow("colorApplication letter case")
        << QByteArray(R"({"spaces": {}, "colorApplication": "statusBar_background"})");
    QTest::newRow("name null") << documentWithSpace("7", R"({"id": 7, "name": null, "color": "#FF6B6B"})");
}

void TestSettingsDocument::rejectsWholeDocument() {
    QFETCH(QByteArray, document);
    const SettingsDocument::DecodeResult result = SettingsDocument::decode(document);
    QVERIFY(!result.settings);
    QVERIFY(!result.error.isEmpty());
}

void TestSettingsDocument::accepts_data() {
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<AppSettings>("expected");

    AppSettings german;
    german.language = QStringLiteral("de");

    QTest::newRow("language null") << QByteArray(
                                          R"({"language": null, "colorApplication": "label_background", "spaces": {}})")
                                   << AppSettings();
    QTest::newRow("language, any order, other layout")
        << QByteArray("\xEF\xBB\xBF\r\n{\"language\":\"de\",\t\"spaces\":{},\"colorApplication\":\"label_background\"}")
        << german;
    QTest::newRow("leading zeros and plus") << QByteArray(R"({"spaces": {"007": {"id": 7, "name": "A", "color": ""},
                                 "+5": {"id": 5, "name": "B", "color": ""}},
                      "colorApplication": "label_background"})")
                                            << settingsWith({{7, "A", ""}, {5, "B", ""}});
    QTest::newRow("extra members ignored")
        << QByteArray(R"({"version": 2, "spaces": {"1": {"icon": [1, {"a": null}], "id": 1, "name": "A\/B",
                      "color": "#FF6B6B"}}, "colorApplication": "label_background"})")
        << settingsWith({{1, "A/B", "#FF6B6B"}});
}

void TestSettingsDocument::accepts() {
    QFETCH(QByteArray, document);
    QFETCH(AppSettings, expected);
    const SettingsDocument::DecodeResult result = SettingsDocument::decode(document);
    QVERIFY2(result.settings.has_value(), qPrintable(result.error));
    QCOMPARE(*result.settings, expected);
}

QTEST_APPLESS_MAIN(TestSettingsDocument)
#include "tst_settingsdocument.moc"
