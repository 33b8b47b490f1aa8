// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "app/CommandLine.h"

#include "BuildInfo.h"

#include <QProcess>
#include <QTest>

Q_DECLARE_METATYPE(CommandLine::WindowServer)

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void parses_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<CommandLine::WindowServer>("windowServer");
        QTest::addColumn<QString>("error");
        using enum CommandLine::WindowServer;
        QTest::newRow("detected") << QStringList{} << Automatic << "";
        QTest::newRow("i3") << QStringList{"--window-server", "i3"} << I3 << "";
        QTest::newRow("a script implies scripted") << QStringList{"--spaces-from=a.jsonl"} << Scripted << "";
        QTest::newRow("unknown") << QStringList{"--window-server=mutter"} << Automatic << "'mutter'";
        QTest::newRow("scripted without a script")
            << QStringList{"--window-server=scripted"} << Automatic << "needs --spaces-from";
        QTest::newRow("a script for another")
            << QStringList{"--window-server=i3", "--spaces-from=a.jsonl"} << Scripted << "not i3";
        QTest::newRow("stray argument") << QStringList{"now"} << Automatic << "'now'";
        QTest::newRow("unknown bar") << QStringList{"--bar", "lemonbar"} << Automatic
                                     << "Unknown bar format 'lemonbar': waybar, polybar, i3blocks or plain.";
        QTest::newRow("unknown tray style") << QStringList{"--tray-style=square"} << Automatic
                                            << "Unknown tray style 'square': wide, tile, tile-and-text or auto.";
    }

    void parses() {
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

    void readsCommands_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("environment"); // one VARIABLE=value
        QTest::addColumn<QByteArray>("command");  // as it goes to the running program; empty: none
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("error");
        // Commands as scripts give them are checked against the running program; here: the edges.
        QTest::newRow("rename by id")
            << QStringList{"rename", "--id", "4294967297", "--", "-x"} << QString()
            << DesktopCommand{DesktopCommand::Verb::Rename, false, true, 4294967297, "-x"}.toLine() << QString() << "";
        QTest::newRow("switch without a desktop")
            << QStringList{"switch"} << "" << QByteArray() << QString() << "takes 1";
        QTest::newRow("no number") << QStringList{"switch", "two"} << "" << QByteArray() << QString() << "'two'";
        QTest::newRow("a command for a feed")
            << QStringList{"--bar=plain", "list"} << "" << QByteArray() << QString() << "--bar";
        QTest::newRow("output without a feed")
            << QStringList{"--output=DP-1"} << "" << QByteArray() << QString() << "--output";
        QTest::newRow("output given") << QStringList{"--bar=plain", "--output=DP-1"} << "MONITOR=HDMI-1" << QByteArray()
                                      << QString("DP-1") << "";
        QTest::newRow("waybar's output") << QStringList{"--bar=waybar"} << "WAYBAR_OUTPUT_NAME=eDP-1" << QByteArray()
                                         << QString("eDP-1") << "";
        QTest::newRow("polybar's monitor")
            << QStringList{"--bar=polybar"} << "MONITOR=HDMI-1" << QByteArray() << QString("HDMI-1") << "";
    }

    void readsCommands() {
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

    void programAnswersAndExits_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("answer"); // how standard output begins, or standard error when it fails
        QTest::newRow("version") << "-v" << 0 << QStringLiteral("vantorel ") + BuildInfo::version + '\n';
        QTest::newRow("nothing to follow")
            << "--window-server=sway" << 2 << "vantorel: no window server to follow: tried sway (SWAYSOCK not set).\n";
    }

    void programAnswersAndExits() {
        QFETCH(QString, option);
        QFETCH(int, status);
        QFETCH(QString, answer);
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "SWAYSOCK"}) {
            environment.remove(variable); // no display needed to answer
        }
        program.setProcessEnvironment(environment);
        program.start(VANTOREL_BINARY, {option});
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitCode(), status);
        const QString output = QString::fromUtf8(program.readAllStandardOutput());
        const QString error = QString::fromUtf8(program.readAllStandardError());
        QVERIFY2((status == 0 ? output : error).startsWith(answer), qPrintable(output + error));
        QVERIFY(status == 0 || output.isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
