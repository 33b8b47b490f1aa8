// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "core/LocalizedTexts.h"
#include "core/TextKeys.h"

#include <QCoreApplication>
#include <QTest>
#include <QTranslator>

#include <memory>

class TestLocalizedTexts : public QObject {
    Q_OBJECT

private slots:
    void formatsOnlyTheOneIntegerConversion_data() {
        QTest::addColumn<QString>("format");
        QTest::addColumn<qint64>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("long long") << "#%lld" << qint64(-9223372036854775807 - 1) << "#-9223372036854775808";
        QTest::newRow("numbered") << "Nummer %1$lld" << qint64(12) << "Nummer 12";
        QTest::newRow("write-back conversion") << "%n%d" << qint64(2) << "%n2";
        QTest::newRow("trailing percent") << "%d %" << qint64(5) << "5 %";
        QTest::newRow("escaped percent") << "%%d %d%%" << qint64(5) << "%d 5%";
        QTest::newRow("unknown length") << "%hd %lu %lld" << qint64(5) << "%hd %lu 5";
    }

    void formatsOnlyTheOneIntegerConversion() {
        QFETCH(QString, format);
        QFETCH(qint64, value);
        QFETCH(QString, expected);
        QCOMPARE(LocalizedTexts::formatInteger(format, value), expected);
    }

    void picksTheTableForTheLocale_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("quit");
        QTest::addColumn<QString>("desktop");
        QTest::newRow("German") << "de_AT" << QString("de") << "Vantorel beenden" << QString("Arbeitsfläche 3 #3");
        QTest::newRow("French falls back to English")
            << "fr_FR" << QString("en") << "Quit Vantorel" << QString("Desktop 3 #3");
    }

    void picksTheTableForTheLocale() {
        QFETCH(QString, locale);
        QFETCH(QString, language);
        QFETCH(QString, quit);
        QFETCH(QString, desktop);
        const std::unique_ptr<QTranslator> translator(
            LocalizedTexts::installTranslations(*QCoreApplication::instance(), QLocale(locale)));
        QVERIFY(translator);
        QCOMPARE(translator->language(), language);
        QCOMPARE(LocalizedTexts::localized(TextKeys::menuQuit), quit);
        // Both numbers come from printf-style conversions in the tables.
        using LocalizedTexts::formatInteger, LocalizedTexts::localized;
        QCOMPARE(formatInteger(localized(TextKeys::desktopLabel), 3) + u' ' +
                     formatInteger(localized(TextKeys::rowNumber), 3),
                 desktop);
    }
};

QTEST_GUILESS_MAIN(TestLocalizedTexts)
#include "tst_localizedtexts.moc"
