// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

// Scripts drive the program on the hand-fed window server through `vantorel list|rename|recolor|switch` (which starts
// it when none runs) and through the session bus with clients that are not Qt (gdbus, busctl); a polybar feed shows
// the label the status item has, and gdbus watches the signal.
#include "DBusSession.h"
#include "ProgramHome.h"
#include "RequirePrograms.h"
#include "VantorelProcess.h"

#include <QTest>

class TestScripting : public QObject {
    Q_OBJECT

private slots:
    void drivesTheRunningProgram_data();
    void drivesTheRunningProgram();
};

void TestScripting::drivesTheRunningProgram_data() {
    QTest::addColumn<QStringList>("command"); // "vantorel" stands for the program under test
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("says");  // part of what the client writes
    QTest::addColumn<QString>("label"); // part of the feed's next line; empty: none looked for
    QTest::addColumn<QString>("signal");
    const auto row = [](const char* name, const QStringList& command, int status, const QString& says,
                        const QString& label = {}, const QString& signal = {}) {
        QTest::newRow(name) << command << status << says << label << signal;
    };
    row("list as JSON", {"vantorel", "list", "--json"}, 0,
        R"({"active":false,"color":"#6BA3FF","id":2,"name":"Desktop 2","number":2,"output":null})");
    row("rename", {"vantorel", "rename", "1", "Mail & more"}, 0, "", " Mail & more ", "('Mail & more', '#FF6B6B', 1)");
    row("switch", {"vantorel", "switch", "3"}, 0, "", " Desktop 3 ", "('Desktop 3', '#6BCF7F', 3)");
    row("no such desktop", {"vantorel", "rename", "4", "X"}, 1, "no desktop 4");
    row("two-line name", {"vantorel", "rename", "2", "a\nb"}, 1, "one line");
    const QStringList gdbus{"gdbus", "call", "--session", "-d", "org.vantorel.Vantorel", "-o", "/org/vantorel/Vantorel",
                            "-m"};
    row("gdbus list", gdbus + QStringList{"org.vantorel.Vantorel.Desktops.List"}, 0,
        "'name': <'Desktop 3'>, 'number': <3>");
    row("gdbus switch", gdbus + QStringList{"org.vantorel.Vantorel.Desktops.Switch", "2"}, 0, "", " Desktop 2 ",
        "('Desktop 2', '#6BA3FF', 2)");
    row("gdbus no such desktop", gdbus + QStringList{"org.vantorel.Vantorel.Desktops.Switch", "0"}, 1,
        "org.vantorel.Vantorel.Error.NoSuchDesktop");
    row("busctl recolour",
        {"busctl", "--user", "call", "org.vantorel.Vantorel", "/org/vantorel/Vantorel",
         "org.vantorel.Vantorel.Desktops", "Recolor", "is", "1", "#abc"},
        0, "", "%{B#aabbcc}", "('Desktop 1', '#AABBCC', 1)");
}

void TestScripting::drivesTheRunningProgram() {
    QFETCH(QStringList, command);
    QFETCH(int, status);
    QFETCH(QString, says);
    QFETCH(QString, label);
    QFETCH(QString, signal);
    REQUIRE_PROGRAMS("dbus-daemon", "gdbus", "busctl");
    DBusSession bus;
    VERIFY_STARTS(bus.start(&error));
    ProgramHome home;
    const QString script = home.writeConfigFile("spaces.jsonl", "{\"spaces\": [1, 2, 3], \"active\": 1}\n");
    const QProcessEnvironment environment = bus.withBus(home.environment());

    // The first command starts the program.
    const ProgramRun listing = runProgram(VANTOREL_BINARY, {"list", "--spaces-from=" + script}, environment);
    QCOMPARE(listing.exitCode, 0);
    QVERIFY2(listing.output.startsWith("1* #FF6B6B Desktop 1\n2  #6BA3FF Desktop 2\n3  #6BCF7F Desktop 3\n"),
             listing.output.constData());
    VantorelProcess feed(environment);
    QVERIFY(feed.start({"--bar=polybar"}));
    QVERIFY(feed.waitForLine(" Desktop 1 ") >= 0);
    const OwnedProgram monitor = newProgram();
    monitor->setProcessEnvironment(environment);
    monitor->start("gdbus", {"monitor", "--session", "-d", "org.vantorel.Vantorel"});
    QByteArray seen;
    QTRY_VERIFY((seen += monitor->readAllStandardOutput()).contains("is owned by"));

    const QString client = command.constFirst() == "vantorel" ? QStringLiteral(VANTOREL_BINARY) : command.constFirst();
    const ProgramRun run = runProgram(client, command.mid(1), environment);
    QVERIFY2((run.output + run.errors).contains(says.toUtf8()), (run.output + run.errors).constData());
    QCOMPARE(run.exitCode, status);
    if (!label.isEmpty()) {
        VERIFY_SAYS(feed, label, 1);
        QTRY_VERIFY2((seen += monitor->readAllStandardOutput()).contains(signal.toUtf8()), seen.constData());
    }
}

QTEST_GUILESS_MAIN(TestScripting)
#include "tst_scripting.moc"
