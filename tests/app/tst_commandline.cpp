// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "app/CommandLine.h"

#include "BuildInfo.h"

#include <QProcess>
#include <QTest>

Q_DECLARE_METATYPE(CommandLine::Action)
Q_DECLARE_METATYPE(CommandLine::WindowServer)

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void parses_data();
    void parses();
    void choosesTheWindowServer_data();
    void choosesTheWindowServer();
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
    QTest::newRow("bar") << QStringList{"vantorel", "--bar=i3blocks"} << CommandLine::Action::Run << "";
    QTest::newRow("unknown bar") << QStringList{"vantorel", "--bar", "lemonbar"} << CommandLine::Action::Fail
                                 << "Unknown bar format 'lemonbar': waybar, polybar, i3blocks or plain.";
    QTest::newRow("tray style") << QStringList{"vantorel", "--tray-style=tile-and-text"} << CommandLine::Action::Run
                                << "";
    QTest::newRow("unknown tray style") << QStringList{"vantorel", "--tray-style=square"} << CommandLine::Action::Fail
                                        << "Unknown tray style 'square': wide, tile, tile-and-text or auto.";
}

void TestCommandLine::parses() {
    QFETCH(QStringList, arguments);
    QFETCH(CommandLine::Action, action);
    QFETCH(QString, messagePart);
    const CommandLine commandLine = CommandLine::parse(arguments);
    QCOMPARE(commandLine.action, action);
    QVERIFY2(commandLine.message.contains(messagePart), qPrintable(commandLine.message));
}

void TestCommandLine::choosesTheWindowServer_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<CommandLine::WindowServer>("windowServer");
    QTest::addColumn<QString>("error");
    using WindowServer = CommandLine::WindowServer;
    QTest::newRow("detected") << QStringList{} << WindowServer::Automatic << "";
    QTest::newRow("x11") << QStringList{"--window-server=x11"} << WindowServer::X11 << "";
    QTest::newRow("i3") << QStringList{"--window-server", "i3"} << WindowServer::I3 << "";
    QTest::newRow("sway") << QStringList{"--window-server=sway"} << WindowServer::Sway << "";
    QTest::newRow("a script implies scripted") << QStringList{"--spaces-from=a.jsonl"} << WindowServer::Scripted << "";
    QTest::newRow("scripted with its script")
        << QStringList{"--window-server=scripted", "--spaces-from=a.jsonl"} << WindowServer::Scripted << "";
    QTest::newRow("unknown") << QStringList{"--window-server=kwin"} << WindowServer::Automatic << "'kwin'";
    QTest::newRow("scripted without a script")
        << QStringList{"--window-server=scripted"} << WindowServer::Automatic << "needs --spaces-from";
    QTest::newRow("a script for another")
        << QStringList{"--window-server=i3", "--spaces-from=a.jsonl"} << WindowServer::Scripted << "not i3";
}

void TestCommandLine::choosesTheWindowServer() {
    QFETCH(QStringList, arguments);
    QFETCH(CommandLine::WindowServer, windowServer);
    QFETCH(QString, error);
    const CommandLine commandLine = CommandLine::parse(QStringList{"vantorel"} + arguments);
    QCOMPARE(commandLine.action, error.isEmpty() ? CommandLine::Action::Run : CommandLine::Action::Fail);
    QVERIFY2(commandLine.message.contains(error), qPrintable(commandLine.message));
    if (error.isEmpty()) {
        QCOMPARE(commandLine.windowServer, windowServer);
    }
}

void TestCommandLine::programAnswersAndExits_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("firstLine");
    QTest::newRow("version") << "--version" << 0 << QStringLiteral("vantorel ") + BuildInfo::version;
    QTest::newRow("help") << "--help" << 0 << "Usage: vantorel [options]";
    QTest::newRow("error") << "--bogus" << 2 << "";
    QTest::newRow("unknown bar") << "--bar=lemonbar" << 2 << "";
    QTest::newRow("nothing to follow") << "--window-server=sway" << 2 << "";
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
    environment.remove("SWAYSOCK");
    program.setProcessEnvironment(environment);
    program.start(VANTOREL_BINARY, {option});
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitCode(), status);
    const QString output = QString::fromUtf8(program.readAllStandardOutput());
    QCOMPARE(output.section('\n', 0, 0), firstLine);
    if (status != 0) {
        const QByteArray error = program.readAllStandardError();
        QVERIFY2(error.startsWith("vantorel: "), error.constData());
        QVERIFY2(option != "--window-server=sway" || error == "vantorel: no window server to follow: tried sway "
                                                              "(SWAYSOCK not set).\n",
                 error.constData());
    }
}

QTEST_APPLESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
