// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QLocale>
#include <QString>

class QCoreApplication;
class QTranslator;

// The program's user-visible texts, looked up by key in translation tables compiled into the program.
namespace LocalizedTexts {

// The table's text for the key in the user's language; the key itself when no table holds it.
QString localized(const char* key);

// Fills the first integer conversion of a printf-style format ("%d", "%i", "%ld", "%lld", also numbered as
// "%1$d") with the value and turns "%%" into "%". Every other conversion stays as written, so a faulty
// translation shows odd text instead of reading memory that isn't there.
QString formatInteger(const QString& format, qint64 value);

// Installs the table that best matches the locale's languages, English when none does. The table belongs to the
// application; null when no table could be loaded.
QTranslator* installTranslations(QCoreApplication& application, const QLocale& locale = QLocale());

} // namespace LocalizedTexts
