// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QStandardPaths>
#include <QTest>

// Integration tests need real programs. On a developer's machine without them a test skips; in CI
// (VANTOREL_REQUIRE_INTEGRATION=1) a missing program is a failure.
#define REQUIRE_PROGRAMS(...)                                                                                          \
    do {                                                                                                               \
        for (const char* program : {__VA_ARGS__}) {                                                                    \
            if (QStandardPaths::findExecutable(QString::fromLatin1(program)).isEmpty()) {                              \
                const QByteArray message = QByteArray("program not installed: ") + program;                            \
                if (qEnvironmentVariableIntValue("VANTOREL_REQUIRE_INTEGRATION") == 1) {                               \
                    QFAIL(message.constData());                                                                        \
                }                                                                                                      \
                QSKIP(message.constData());                                                                            \
            }                                                                                                          \
        }                                                                                                              \
    } while (false)
