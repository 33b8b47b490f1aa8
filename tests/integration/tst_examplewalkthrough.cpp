// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

// Runs the program on the shipped example and compares what it prints with the expected lines: standard output
// and the system log on standard error, in the order written (both are flushed at every line).
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace {

// Sets print in no particular order: compare their elements sorted.
QString normalised(const QString& line) {
    static const QRegularExpression set(QStringLiteral("^(➕ New Spaces detected: |➖ Deleted Spaces: )\\[(.*)\\]$"));
    const QRegularExpressionMatch match = set.match(line);
    if (!match.hasMatch()) {
        return line;
    }
    QStringList elements = match.captured(2).split(QStringLiteral(", "));
    std::sort(elements.begin(), elements.end(),
              [](const QString& a, const QString& b) { return a.toLongLong() < b.toLongLong(); });
    return match.captured(1) + QLatin1Char('[') + elements.join(QStringLiteral(", ")) + QLatin1Char(']');
}

// System-log lines start with a time stamp and the process: "2026-12-06 10:38:39.430 vantorel[9027] ". Paths in
// the run's config folder read as "$XDG_CONFIG_HOME".
QStringList normalisedLines(const QByteArray& text, const QString& configHome = QString()) {
    static const QRegularExpression logPrefix(
        QStringLiteral(R"(^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3} vantorel\[\d+\] )"));
    QStringList lines;
    for (QString line : QString::fromUtf8(text).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (!line.startsWith(QStringLiteral("QStandardPaths:"))) {
            line.remove(logPrefix);
            if (!configHome.isEmpty()) {
                line.replace(configHome, QStringLiteral("$XDG_CONFIG_HOME"));
            }
            lines.append(normalised(line));
        }
    }
    return lines;
}

} // namespace

class TestExampleWalkthrough : public QObject {
    Q_OBJECT

private slots:
    void printsTheExpectedLinesAndEndsCleanly();
};

void TestExampleWalkthrough::printsTheExpectedLinesAndEndsCleanly() {
    QFile expectedFile(QStringLiteral(VANTOREL_SOURCE_DIR "/tests/data/walkthrough.expected"));
    QVERIFY(expectedFile.open(QIODevice::ReadOnly));
    const QStringList expected = normalisedLines(expectedFile.readAll());

    QTemporaryDir home;
    QTemporaryDir runtime;
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", home.path());
    environment.insert("XDG_RUNTIME_DIR", runtime.path());
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::MergedChannels);
    program.start(VANTOREL_BINARY, {"--spaces-from=" VANTOREL_SOURCE_DIR "/examples/walkthrough.jsonl"});
    QVERIFY(program.waitForStarted());

    QByteArray output;
    QTRY_VERIFY_WITH_TIMEOUT(
        (output += program.readAllStandardOutput(), normalisedLines(output, home.path()).size() >= expected.size()),
        20000);
    ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
    QVERIFY(program.waitForFinished(5000));
    output += program.readAllStandardOutput();
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QCOMPARE(normalisedLines(output, home.path()), expected);
}

QTEST_GUILESS_MAIN(TestExampleWalkthrough)
#include "tst_examplewalkthrough.moc"
