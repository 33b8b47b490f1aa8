// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

// Vantorel against a fake sway that sends garbage: every fault is reported in one line, Vantorel keeps running and
// reconnects where the stream can't be read on, and an event storm neither floods it nor makes it grow.
#include "FakeIpcServer.h"
#include "IpcHeader.h"
#include "ProgramHome.h"
#include "VantorelProcess.h"
#include "windowserver/i3ipc/I3IpcWindowServer.h"
#include "windowserver/i3ipc/IpcMessage.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QTest>

#include <functional>

namespace {

const QRegularExpression faultLine(QStringLiteral("^(⚠️|❌) sway: "));

// The environment that has Vantorel follow a fake sway, in folders of its own.
QProcessEnvironment following(const FakeIpcServer& server, const ProgramHome& home) {
    QProcessEnvironment environment = home.environment();
    environment.insert("SWAYSOCK", server.socketPath());
    return environment;
}

} // namespace

class TestIpcFaults : public QObject {
    Q_OBJECT

private slots:
    void reportsEachFaultAndCarriesOn() {
        ProgramHome home;
        FakeIpcServer server(home.runtimeFolder() + "/sway.sock");
        server.workspaces = R"([{"num":1,"name":"1","focused":true},{"num":2,"name":"2","focused":false}])";
        QVERIFY(server.listen());
        VantorelProcess vantorel(following(server, home));
        QVERIFY(vantorel.start());
        VERIFY_SAYS(vantorel, "🔌 Following sway at ");

        struct Fault {
            const char* name;
            std::function<void()> inject;
            QString line;
            bool reconnects;
        };
        const QByteArray focus = R"({"change":"focus","current":{"num":2},"old":null})";
        const std::vector<Fault> faults{
            {"truncated",
             [&] {
                 server.sendToSubscribers(ipcHeader("i3-ipc", 100, IpcMessage::WorkspaceEvent) + "{\"change\":");
                 server.closeSubscribers();
             },
             "⚠️ sway: the connection was closed in the middle of a message; keeping", true},
            {"reply to nothing", [&] { server.sendToSubscribers(IpcMessage::encode(IpcMessage::GetWorkspaces, "[]")); },
             "⚠️ sway: an answer (GET_WORKSPACES) that no request asked for; keeping", true},
            {"event not JSON", [&] { server.sendEvent(IpcMessage::WorkspaceEvent, "\x01\xff{"); },
             "❌ sway: an unreadable workspace event: ", false},
        };
        for (const Fault& fault : faults) {
            const qsizetype mark = vantorel.lines().size();
            fault.inject();
            QVERIFY2(vantorel.waitForLine(fault.line, mark) >= 0, fault.name);
            if (fault.reconnects) {
                QVERIFY2(vantorel.waitForLine("✅ sway: connected again", mark, 3000) >= 0, fault.name);
            }
            QTest::qWait(I3IpcWindowServer::lastingConnection.count()); // so that the next fault is no hammering
            QVERIFY2(vantorel.lines().mid(mark).filter(faultLine).size() == 1, vantorel.transcript());
            QVERIFY2(vantorel.isRunning(), fault.name);
        }
        QCOMPARE(vantorel.lines().filter("Updating status bar: Space ID=2,"), QStringList()); // nothing garbled got in

        // 10,000 switches as fast as the socket takes them: read promptly, one request at a time, no growth.
        const qint64 residentBefore = residentKiB(vantorel.processId());
        const int requestsBefore = server.requestCount(IpcMessage::GetWorkspaces);
        const qsizetype mark = vantorel.lines().size();
        server.workspaces = R"([{"num":1,"name":"1","focused":false},{"num":2,"name":"2","focused":true}])";
        for (int i = 0; i < 10000; ++i) {
            server.sendEvent(IpcMessage::WorkspaceEvent, focus);
        }
        VERIFY_SAYS(vantorel, "Updating status bar: Space ID=2,", mark, 20000);
        QTest::qWait(500);
        const int requests = server.requestCount(IpcMessage::GetWorkspaces) - requestsBefore;
        const qint64 growthKiB = residentKiB(vantorel.processId()) - residentBefore;
        qInfo("the storm took %d GET_WORKSPACES and %lld KiB", requests, growthKiB);
        QVERIFY2(requests < 1000, qPrintable(QString::number(requests)));
        QVERIFY2(growthKiB < 64 * 1024, qPrintable(QString::number(growthKiB)));
        QCOMPARE(vantorel.lines().mid(mark).filter(faultLine), QStringList());
        QCOMPARE(vantorel.stop(), 0);
    }

    void signalWhileConnectingEndsIt() {
        ProgramHome home;
        FakeIpcServer server(home.runtimeFolder() + "/sway.sock");
        server.answerOverride = [](quint32) {
            return std::optional(QByteArray());
        }; // never answers
        QVERIFY(server.listen());
        VantorelProcess vantorel(following(server, home));
        QVERIFY(vantorel.start());
        QTRY_COMPARE(server.requestCount(IpcMessage::Subscribe), 1);
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(vantorel.stop(), 0);
        // A generous bound: this catches a signal that is lost, not a slow exit on a loaded machine.
        QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
    }

    void peerThatKeepsShuttingDownIsNotHammered() {
        ProgramHome home;
        FakeIpcServer server(home.runtimeFolder() + "/sway.sock");
        QVERIFY(server.listen());
        VantorelProcess vantorel(following(server, home));
        QVERIFY(vantorel.start());
        VERIFY_SAYS(vantorel, "🔌 Following sway at ");
        // Every connection is told "restart" just after it has read the workspaces.
        server.answerOverride = [&server](quint32 type) -> std::optional<QByteArray> {
            if (type == IpcMessage::GetWorkspaces) {
                QTimer::singleShot(
                    50, &server, [&server] { server.sendEvent(IpcMessage::ShutdownEvent, R"({"change":"restart"})"); });
            }
            return std::nullopt;
        };
        const int before = server.requestCount(IpcMessage::Subscribe);
        server.sendEvent(IpcMessage::ShutdownEvent, R"({"change":"restart"})");
        QTest::qWait(3000);
        // Every 100 ms, that would be 30; backing off, a handful.
        const int reconnections = server.requestCount(IpcMessage::Subscribe) - before;
        QVERIFY2(reconnections <= 5, qPrintable(QString::number(reconnections)));
        QCOMPARE(vantorel.stop(), 0);
    }
};

QTEST_GUILESS_MAIN(TestIpcFaults)
#include "tst_ipcfaults.moc"
