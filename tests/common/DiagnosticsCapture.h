// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "core/Diagnostics.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTranslator>

// Collects every diagnostic line while it lives. Tests may append markers of their own to `output` to check how
// lines interleave with callbacks.
class DiagnosticsCapture {
public:
    DiagnosticsCapture()
        : m_previous(Diagnostics::setSink([this](Diagnostics::Channel channel, const QString& line) {
            (channel == Diagnostics::Channel::StandardOutput ? output : systemLog).append(line);
            all.append(line);
        })) {}
    ~DiagnosticsCapture() { Diagnostics::setSink(std::move(m_previous)); }
    DiagnosticsCapture(const DiagnosticsCapture&) = delete;
    DiagnosticsCapture& operator=(const DiagnosticsCapture&) = delete;

    void clear() {
        output.clear();
        systemLog.clear();
        all.clear();
    }

    QStringList output;
    QStringList systemLog;
    QStringList all; // both channels, in the order written

private:
    Diagnostics::Sink m_previous;
};

// Diagnostic lines and default names in English, whatever the machine's locale: for initTestCase.
inline bool installEnglishTexts() {
    static QTranslator english;
    return english.load("vantorel_en", ":/i18n") && QCoreApplication::installTranslator(&english);
}
