// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QStandardPaths>
#include <QTest>

// Integration tests need real programs. On a developer's machine without them a test skips; in CI
// (VANTOREL_REQUIRE_INTEGRATION=1) a missing program is a failure. Takes names, or lists of them.
#define REQUIRE_PROGRAMS(...)                                                                                          \
    do {                                                                                                               \
        for (const QString& program : QStringList{__VA_ARGS__}) {                                                      \
            if (QStandardPaths::findExecutable(program).isEmpty()) {                                                   \
                const QByteArray message = "program not installed: " + program.toLocal8Bit();                          \
                if (qEnvironmentVariableIntValue("VANTOREL_REQUIRE_INTEGRATION") == 1) {                               \
                    QFAIL(message.constData());                                                                        \
                }                                                                                                      \
                QSKIP(message.constData());                                                                            \
            }                                                                                                          \
        }                                                                                                              \
    } while (false)
