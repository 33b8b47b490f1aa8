// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "core/LocalizedTexts.h"

#include <QCoreApplication>
#include <QTest>
#include <QTranslator>

#include <memory>

namespace {

const char* const allKeys[] = {"desktop_label",
                               "settings_title",
                               "menu_settings",
                               "menu_check_updates",
                               "menu_quit",
                               "instructions_hint",
                               "no_desktops_detected",
                               "launch_at_login",
                               "done",
                               "#%lld",
                               "current_badge",
                               "name_placeholder"};

} // namespace

class TestLocalizedTexts : public QObject {
    Q_OBJECT

private slots:
    void formatsOnlyTheOneIntegerConversion_data();
    void formatsOnlyTheOneIntegerConversion();
    void everyTableHoldsEveryKey_data();
    void everyTableHoldsEveryKey();
    void picksTheTableForTheLocale_data();
    void picksTheTableForTheLocale();
};

void TestLocalizedTexts::formatsOnlyTheOneIntegerConversion_data() {
    QTest::addColumn<QString>("format");
    QTest::addColumn<qint64>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("desktop label") << "Desktop %d" << qint64(4) << "Desktop 4";
    QTest::newRow("long long") << "#%lld" << qint64(-9223372036854775807 - 1) << "#-9223372036854775808";
    QTest::newRow("long and i") << "%ld/%i" << qint64(7) << "7/%i";
    QTest::newRow("numbered") << "Nummer %1$lld" << qint64(12) << "Nummer 12";
    QTest::newRow("write-back conversion") << "%n%d" << qint64(2) << "%n2";
    QTest::newRow("trailing percent") << "%d %" << qint64(5) << "5 %";
    QTest::newRow("escaped percent") << "%%d %d%%" << qint64(5) << "%d 5%";
    QTest::newRow("width stays literal") << "%05d" << qint64(5) << "%05d";
    QTest::newRow("unknown length") << "%hd %lu %lld" << qint64(5) << "%hd %lu 5";
}

void TestLocalizedTexts::formatsOnlyTheOneIntegerConversion() {
    QFETCH(QString, format);
    QFETCH(qint64, value);
    QFETCH(QString, expected);
    QCOMPARE(LocalizedTexts::formatInteger(format, value), expected);
}

void TestLocalizedTexts::everyTableHoldsEveryKey_data() {
    QTest::addColumn<QString>("table");
    QTest::newRow("English") << "vantorel_en";
    QTest::newRow("German") << "vantorel_de";
}

void TestLocalizedTexts::everyTableHoldsEveryKey() {
    QFETCH(QString, table);
    QTranslator translator;
    QVERIFY(translator.load(table, ":/i18n"));
    for (const char* key : allKeys) {
        const QString text = translator.translate("Vantorel", key);
        QVERIFY2(!text.isEmpty(), key);
        QVERIFY2(text != QLatin1String(key) || QByteArrayView(key) == "#%lld", key);
    }
    QCOMPARE(LocalizedTexts::formatInteger(translator.translate("Vantorel", "#%lld"), 3), "#3");
    QVERIFY(LocalizedTexts::formatInteger(translator.translate("Vantorel", "desktop_label"), 3).endsWith(" 3"));
}

void TestLocalizedTexts::picksTheTableForTheLocale_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("quit");
    QTest::newRow("German") << "de_AT"
                            << "de"
                            << "Vantorel beenden";
    QTest::newRow("French falls back to English") << "fr_FR"
                                                  << "en"
                                                  << "Quit Vantorel";
}

void TestLocalizedTexts::picksTheTableForTheLocale() {
    QFETCH(QString, locale);
    QFETCH(QString, language);
    QFETCH(QString, quit);
    const std::unique_ptr<QTranslator> translator(
        LocalizedTexts::installTranslations(*QCoreApplication::instance(), QLocale(locale)));
    QVERIFY(translator);
    QCOMPARE(translator->language(), language);
    QCOMPARE(LocalizedTexts::localized("menu_quit"), quit);
}

QTEST_GUILESS_MAIN(TestLocalizedTexts)
#include "tst_localizedtexts.moc"
