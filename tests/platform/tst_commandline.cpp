#include "platform/CommandLine.h"

#include "BuildInfo.h"

#include <QProcess>
#include <QTest>

Q_DECLARE_METATYPE(CommandLine::Action)

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void parses_data();
    void parses();
    void programAnswersAndExits_data();
    void programAnswersAndExits();
};

void TestCommandLine::parses_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<CommandLine::Action>("action");
    QTest::addColumn<QString>("messagePart");
    QTest::newRow("nothing") << QStringList{"vantorel"} << CommandLine::Action::Run << "";
    QTest::newRow("help") << QStringList{"vantorel", "--help"} << CommandLine::Action::ShowHelp << "--version";
    QTest::newRow("version") << QStringList{"/usr/bin/vantorel", "-v"} << CommandLine::Action::ShowVersion
                             << QStringLiteral("vantorel ") + BuildInfo::version;
    QTest::newRow("unknown option") << QStringList{"vantorel", "--colour"} << CommandLine::Action::Fail << "colour";
    QTest::newRow("stray argument") << QStringList{"vantorel", "now"} << CommandLine::Action::Fail << "'now'";
}

void TestCommandLine::parses() {
    QFETCH(QStringList, arguments);
    QFETCH(CommandLine::Action, action);
    QFETCH(QString, messagePart);
    const CommandLine commandLine = CommandLine::parse(arguments);
    QCOMPARE(commandLine.action, action);
    QVERIFY2(commandLine.message.contains(messagePart), qPrintable(commandLine.message));
}

void TestCommandLine::programAnswersAndExits_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("firstLine");
    QTest::newRow("version") << "--version" << 0 << QStringLiteral("vantorel ") + BuildInfo::version;
    QTest::newRow("help") << "--help" << 0 << "Usage: vantorel [options]";
    QTest::newRow("error") << "--bogus" << 2 << "";
}

void TestCommandLine::programAnswersAndExits() {
    QFETCH(QString, option);
    QFETCH(int, status);
    QFETCH(QString, firstLine);
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY"); // no display needed to answer
    environment.remove("WAYLAND_DISPLAY");
    environment.remove("QT_QPA_PLATFORM");
    program.setProcessEnvironment(environment);
    program.start(VANTOREL_BINARY, {option});
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitCode(), status);
    const QString output = QString::fromUtf8(program.readAllStandardOutput());
    QCOMPARE(output.section('\n', 0, 0), firstLine);
    if (status != 0) {
        QVERIFY(program.readAllStandardError().startsWith("vantorel: "));
    }
}

QTEST_APPLESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
