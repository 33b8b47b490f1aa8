// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "core/LocalizedTexts.h"

#include <QCoreApplication>
#include <QTranslator>

#include <memory>

namespace LocalizedTexts {
namespace {

constexpr char translationContext[] = "Vantorel";

// Length of an integer conversion starting at format[at] == '%', or 0 when none starts there.
qsizetype integerConversionLength(const QString& format, qsizetype at) {
    qsizetype i = at + 1;
    const auto isDigit = [&](qsizetype index) {
        return index < format.size() && format[index] >= u'0' && format[index] <= u'9';
    };
    if (isDigit(i)) {
        qsizetype j = i;
        while (isDigit(j)) {
            ++j;
        }
        if (j < format.size() && format[j] == u'$') {
            i = j + 1;
        }
    }
    for (const QStringView length : {u"ll", u"l", u"q"}) {
        if (QStringView(format).mid(i).startsWith(length)) {
            i += length.size();
            break;
        }
    }
    if (i < format.size() && (format[i] == u'd' || format[i] == u'i')) {
        return i + 1 - at;
    }
    return 0;
}

} // namespace

QString localized(const char* key) {
    return QCoreApplication::translate(translationContext, key);
}

QString formatInteger(const QString& format, qint64 value) {
    QString result;
    result.reserve(format.size() + 20);
    bool filled = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        if (format[i] != u'%') {
            result += format[i];
            continue;
        }
        if (i + 1 < format.size() && format[i + 1] == u'%') {
            result += u'%';
            ++i;
            continue;
        }
        const qsizetype length = filled ? 0 : integerConversionLength(format, i);
        if (length == 0) {
            result += u'%';
            continue;
        }
        result += QString::number(value);
        filled = true;
        i += length - 1;
    }
    return result;
}

QTranslator* installTranslations(QCoreApplication& application, const QLocale& locale) {
    auto translator = std::make_unique<QTranslator>(&application);
    if (!translator->load(locale, QStringLiteral("vantorel"), QStringLiteral("_"), QStringLiteral(":/i18n")) &&
        !translator->load(QStringLiteral("vantorel_en"), QStringLiteral(":/i18n"))) {
        return nullptr;
    }
    QCoreApplication::installTranslator(translator.get());
    return translator.release();
}

} // namespace LocalizedTexts
