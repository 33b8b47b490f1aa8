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
    void readsCommands_data();
    void readsCommands();
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

void TestCommandLine::readsCommands_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("environment"); // one VARIABLE=value
    QTest::addColumn<QByteArray>("command");  // as it goes to the running program; empty: none
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("error");
    using Verb = DesktopCommand::Verb;
    QTest::newRow("list as JSON") << QStringList{"list", "--json"} << ""
                                  << DesktopCommand{Verb::List, true, false, 0, {}}.toLine() << ""
                                  << "";
    QTest::newRow("rename by id") << QStringList{"rename", "--id", "4294967297", "--", "-x"} << ""
                                  << DesktopCommand{Verb::Rename, false, true, 4294967297, "-x"}.toLine() << ""
                                  << "";
    QTest::newRow("recolour") << QStringList{"recolor", "2", "red"} << ""
                              << DesktopCommand{Verb::Recolor, false, false, 2, "red"}.toLine() << ""
                              << "";
    QTest::newRow("switch without a desktop") << QStringList{"switch"} << "" << QByteArray() << ""
                                              << "takes 1";
    QTest::newRow("no number") << QStringList{"switch", "two"} << "" << QByteArray() << ""
                               << "'two'";
    QTest::newRow("json elsewhere") << QStringList{"switch", "--json", "1"} << "" << QByteArray() << ""
                                    << "--json";
    QTest::newRow("a command for a feed") << QStringList{"--bar=plain", "list"} << "" << QByteArray() << ""
                                          << "--bar";
    QTest::newRow("output without a feed") << QStringList{"--output=DP-1"} << "" << QByteArray() << ""
                                           << "--output";
    QTest::newRow("output given") << QStringList{"--bar=plain", "--output=DP-1"} << "MONITOR=HDMI-1" << QByteArray()
                                  << "DP-1"
                                  << "";
    QTest::newRow("waybar's output") << QStringList{"--bar=waybar"} << "WAYBAR_OUTPUT_NAME=eDP-1" << QByteArray()
                                     << "eDP-1"
                                     << "";
    QTest::newRow("polybar's monitor") << QStringList{"--bar=polybar"} << "MONITOR=HDMI-1" << QByteArray() << "HDMI-1"
                                       << "";
}

void TestCommandLine::readsCommands() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, environment);
    QFETCH(QByteArray, command);
    QFETCH(QString, output);
    QFETCH(QString, error);
    QProcessEnvironment variables;
    if (!environment.isEmpty()) {
        variables.insert(environment.section('=', 0, 0), environment.section('=', 1));
    }
    const CommandLine commandLine = CommandLine::parse(QStringList{"vantorel"} + arguments, variables);
    QCOMPARE(commandLine.action, error.isEmpty() ? CommandLine::Action::Run : CommandLine::Action::Fail);
    QVERIFY2(commandLine.message.contains(error), qPrintable(commandLine.message));
    QCOMPARE(commandLine.command ? commandLine.command->toLine() : QByteArray(), command);
    if (error.isEmpty()) {
        QCOMPARE(commandLine.output, output);
    }
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
    QTest::newRow("kwin") << QStringList{"--window-server=kwin"} << WindowServer::KWin << "";
    QTest::newRow("a script implies scripted") << QStringList{"--spaces-from=a.jsonl"} << WindowServer::Scripted << "";
    QTest::newRow("scripted with its script")
        << QStringList{"--window-server=scripted", "--spaces-from=a.jsonl"} << WindowServer::Scripted << "";
    QTest::newRow("unknown") << QStringList{"--window-server=mutter"} << WindowServer::Automatic << "'mutter'";
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
