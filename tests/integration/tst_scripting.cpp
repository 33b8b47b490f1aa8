// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

// Scripts drive the program on the hand-fed window server through `vantorel list|rename|recolor|switch` (which starts
// it when none runs) and through the session bus with clients that are not Qt (gdbus, busctl); a polybar feed shows
// the label the status item has, and gdbus watches the signal.
#include "DBusSession.h"
#include "RequirePrograms.h"
#include "VantorelProcess.h"

#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace {

// A program run to its end: its exit status, and its standard output followed by its standard error.
std::pair<int, QString> run(const QString& program, const QStringList& arguments,
                            const QProcessEnvironment& environment) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(20000)) {
        process.kill();
        process.waitForFinished();
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError())};
}

} // namespace

class TestScripting : public QObject {
    Q_OBJECT

private slots:
    void drivesTheRunningProgram_data();
    void drivesTheRunningProgram();
};

void TestScripting::drivesTheRunningProgram_data() {
    QTest::addColumn<QString>("client");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("says");  // part of what the client writes
    QTest::addColumn<QString>("label"); // part of the feed's next line; empty: none looked for
    QTest::addColumn<QString>("signal");

    QTest::newRow("list as JSON") << "vantorel" << QStringList{"list", "--json"} << 0
                                  << R"({"active":false,"color":"#6BA3FF","id":2,"name":"Desktop 2","number":2,)"
                                     R"("output":null})"
                                  << ""
                                  << "";
    QTest::newRow("rename") << "vantorel" << QStringList{"rename", "1", "Mail & more"} << 0 << ""
                            << " Mail & more "
                            << "('Mail & more', '#FF6B6B', 1)";
    QTest::newRow("recolour by id") << "vantorel" << QStringList{"recolor", "--id", "1", "Purple"} << 0 << ""
                                    << "%{B#b76bff}"
                                    << "('Desktop 1', '#B76BFF', 1)";
    QTest::newRow("switch") << "vantorel" << QStringList{"switch", "3"} << 0 << ""
                            << " Desktop 3 "
                            << "('Desktop 3', '#6BCF7F', 3)";
    QTest::newRow("no such desktop") << "vantorel" << QStringList{"rename", "4", "X"} << 1 << "no desktop 4"
                                     << ""
                                     << "";
    QTest::newRow("two-line name") << "vantorel" << QStringList{"rename", "2", "a\nb"} << 1 << "one line"
                                   << ""
                                   << "";
    const QStringList gdbus{"call", "--session", "-d", "org.vantorel.Vantorel", "-o", "/org/vantorel/Vantorel", "-m"};
    QTest::newRow("gdbus list") << "gdbus" << gdbus + QStringList{"org.vantorel.Vantorel.Desktops.List"} << 0
                                << "'name': <'Desktop 3'>, 'number': <3>"
                                << ""
                                << "";
    QTest::newRow("gdbus rename") << "gdbus" << gdbus + QStringList{"org.vantorel.Vantorel.Desktops.Rename", "1", "Web"}
                                  << 0 << ""
                                  << " Web "
                                  << "('Web', '#FF6B6B', 1)";
    QTest::newRow("gdbus switch") << "gdbus" << gdbus + QStringList{"org.vantorel.Vantorel.Desktops.Switch", "2"} << 0
                                  << ""
                                  << " Desktop 2 "
                                  << "('Desktop 2', '#6BA3FF', 2)";
    QTest::newRow("gdbus no such desktop")
        << "gdbus" << gdbus + QStringList{"org.vantorel.Vantorel.Desktops.Switch", "0"} << 1
        << "org.vantorel.Vantorel.Error.NoSuchDesktop"
        << ""
        << "";
    QTest::newRow("busctl recolour") << "busctl" << QStringList{"--user",
                                                                "call",
                                                                "org.vantorel.Vantorel",
                                                                "/org/vantorel/Vantorel",
                                                                "org.vantorel.Vantorel.Desktops",
                                                                "Recolor",
                                                                "is",
                                                                "1",
                                                                "#abc"}
                                     << 0 << ""
                                     << "%{B#aabbcc}"
                                     << "('Desktop 1', '#AABBCC', 1)";
}

void TestScripting::drivesTheRunningProgram() {
    QFETCH(QString, client);
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, says);
    QFETCH(QString, label);
    QFETCH(QString, signal);
    REQUIRE_PROGRAMS("dbus-daemon", "gdbus", "busctl");
    DBusSession bus;
    QString error;
    QVERIFY2(bus.start(&error), qPrintable(error));
    QTemporaryDir home;
    QTemporaryDir runtime;
    const auto stopProgram = qScopeGuard([&runtime] {
        if (const pid_t program = instanceProcessId(runtime.path()); program > 0) {
            ::kill(program, SIGTERM);
        }
    });
    const QString script = home.filePath("spaces.jsonl");
    QFile file(script);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("{\"spaces\": [1, 2, 3], \"active\": 1}\n") > 0);
    file.close();
    QProcessEnvironment environment = bus.withBus(QProcessEnvironment::systemEnvironment());
    environment.insert("XDG_CONFIG_HOME", home.path());
    environment.insert("XDG_RUNTIME_DIR", runtime.path());
    environment.insert("QT_QPA_PLATFORM", "offscreen");

    // The first command starts the program.
    const auto [listed, listing] = run(VANTOREL_BINARY, {"list", "--spaces-from=" + script}, environment);
    QCOMPARE(listed, 0);
    QVERIFY2(listing.startsWith("1* #FF6B6B Desktop 1\n2  #6BA3FF Desktop 2\n3  #6BCF7F Desktop 3\n"),
             qPrintable(listing));
    VantorelProcess feed(environment);
    QVERIFY(feed.start({"--bar=polybar"}));
    QVERIFY(feed.waitForLine(" Desktop 1 ") >= 0);
    QProcess monitor;
    monitor.setProcessEnvironment(environment);
    monitor.start("gdbus", {"monitor", "--session", "-d", "org.vantorel.Vantorel"});
    QByteArray seen;
    QTRY_VERIFY((seen += monitor.readAllStandardOutput()).contains("is owned by"));

    const auto [exitStatus, written] =
        run(client == "vantorel" ? QStringLiteral(VANTOREL_BINARY) : client, arguments, environment);
    QVERIFY2(written.contains(says), qPrintable(written));
    QCOMPARE(exitStatus, status);
    if (!label.isEmpty()) {
        QVERIFY2(feed.waitForLine(label, 1) >= 0, feed.transcript().constData());
        QTRY_VERIFY2((seen += monitor.readAllStandardOutput()).contains(signal.toUtf8()), seen.constData());
    }
    monitor.kill();
    monitor.waitForFinished();
}

QTEST_GUILESS_MAIN(TestScripting)
#include "tst_scripting.moc"
