// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

// Runs the program on the shipped example and compares what it prints with the expected lines: standard output
// and the system log on standard error, in the order written (both are flushed at every line).
#include "VantorelProcess.h"

#include <QFile>
#include <QTemporaryDir>
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
    void printsTheExpectedLinesAndEndsCleanly();
};

void TestExampleWalkthrough::printsTheExpectedLinesAndEndsCleanly() {
    QTemporaryDir home;
    QTemporaryDir runtime;
    QFile expectedFile(QStringLiteral(VANTOREL_SOURCE_DIR "/tests/data/walkthrough.expected"));
    QVERIFY(expectedFile.open(QIODevice::ReadOnly));
    const QStringList expected =
        normalised(QString::fromUtf8(expectedFile.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts), home.path());

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", home.path());
    environment.insert("XDG_RUNTIME_DIR", runtime.path());
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    VantorelProcess program(environment);
    QVERIFY(program.start({"--spaces-from=" VANTOREL_SOURCE_DIR "/examples/walkthrough.jsonl"}));
    QTRY_VERIFY_WITH_TIMEOUT(normalised(program.lines(), home.path()).size() >= expected.size(), 20000);
    QCOMPARE(program.stop(), 0);
    QCOMPARE(normalised(program.lines(), home.path()), expected);
}

QTEST_GUILESS_MAIN(TestExampleWalkthrough)
#include "tst_examplewalkthrough.moc"
