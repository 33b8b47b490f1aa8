// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

// Runs the program on the shipped example and compares what it prints with the expected lines: standard output
// and the system log on standard error, in the order written (both are flushed at every line).
#include "Processes.h"
#include "ProgramHome.h"
#include "VantorelProcess.h"

#include <QTest>

namespace {

// Paths in the run's config folder read as "$XDG_CONFIG_HOME"; Qt's own warnings are left out.
QStringList normalised(const QStringList& lines, const QString& configHome) {
    QStringList result;
    for (QString line : lines) {
        if (!line.startsWith(QStringLiteral("QStandardPaths:"))) {
            result.append(line.replace(configHome, QStringLiteral("$XDG_CONFIG_HOME")));
        }
    }
    return result;
}

} // namespace

class TestExampleWalkthrough : public QObject {
    Q_OBJECT

private slots:
    void printsTheExpectedLinesAndEndsCleanly() {
        ProgramHome home;
        const QStringList expected = QString::fromUtf8(readFile(VANTOREL_SOURCE_DIR "/tests/data/walkthrough.expected"))
                                         .split('\n', Qt::SkipEmptyParts);
        QVERIFY(!expected.isEmpty());
        VantorelProcess program(home.environment());
        QVERIFY(program.start({"--spaces-from=" VANTOREL_SOURCE_DIR "/examples/walkthrough.jsonl"}));
        QTRY_VERIFY_WITH_TIMEOUT(normalised(program.lines(), home.configFolder()).size() >= expected.size(), 20000);
        QCOMPARE(program.stop(), 0);
        QCOMPARE(normalised(program.lines(), home.configFolder()), expected);
    }
};

QTEST_GUILESS_MAIN(TestExampleWalkthrough)
#include "tst_examplewalkthrough.moc"
