// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

// The i3/sway backend against a fake IPC server in the same process.
#include "windowserver/i3ipc/I3IpcWindowServer.h"

#include "DiagnosticsCapture.h"
#include "FakeIpcServer.h"
#include "windowserver/i3ipc/IpcMessage.h"
#include "windowserver/i3ipc/WorkspaceIdentity.h"

#include <QTemporaryDir>
#include <QTest>

using namespace std::chrono_literals;

namespace {

QByteArray focusedWorkspace(int number) {
    return QStringLiteral(R"([{"num":1,"name":"1","focused":%1},{"num":%2,"name":"%2","focused":true}])")
        .arg(number == 1 ? "true" : "false")
        .arg(number)
        .toUtf8();
}

} // namespace

class Fixture {
public:
    Fixture()
        : fakeServer(folder.filePath("ipc.sock"))
        , server("fake", [this] { return fakeServer.socketPath(); }) {
        fakeServer.config = "bindsym Mod4+2 workspace 2\nbindsym Mod4+m workspace mail\n";
        fakeServer.workspaces = focusedWorkspace(5);
        QObject::connect(&server, &WindowServer::activeSpaceDidChange, &server, [this] { ++posts; });
    }
    qsizetype faults() const { return capture.systemLog.filter(QRegularExpression("^(⚠️|❌)")).size(); }

    DiagnosticsCapture capture;
    QTemporaryDir folder;
    FakeIpcServer fakeServer;
    I3IpcWindowServer server;
    int posts = 0;
};

class TestI3IpcWindowServer : public QObject {
    Q_OBJECT

private slots:
    void firstReadingHasExistingAndBoundWorkspaces();
    void askedForWorkspacesOnceAtATime();
    void followsAFocusEventWithoutARoundTrip();
    void reconnectsAndRefreshes_data();
    void reconnectsAndRefreshes();
    void waitsQuietlyForAWindowManagerThatIsAway();
    void dropsAWindowManagerThatDoesNotAnswer();
    void openFails_data();
    void openFails();
    void reconnectDelays();
};

void TestI3IpcWindowServer::firstReadingHasExistingAndBoundWorkspaces() {
    Fixture fixture;
    QVERIFY(fixture.fakeServer.listen());
    QCOMPARE(fixture.server.open(), QString());
    const SpaceID mail = WorkspaceIdentity::spaceIDForName(u"mail");
    QCOMPARE(fixture.server.copySpaces(1, 7), std::optional(QList<qint64>{1, 5, 2, mail}));
    QCOMPARE(fixture.server.activeSpace(1), quint64(5));
    QCOMPARE(fixture.capture.systemLog, QStringList{"🔌 Following fake at " + fixture.fakeServer.socketPath()});
    QCOMPARE(fixture.posts, 0);
}

void TestI3IpcWindowServer::askedForWorkspacesOnceAtATime() {
    Fixture fixture;
    QVERIFY(fixture.fakeServer.listen());
    QCOMPARE(fixture.server.open(), QString());
    fixture.fakeServer.workspaces = focusedWorkspace(2);
    for (int i = 0; i < 1000; ++i) {
        fixture.fakeServer.sendEvent(IpcMessage::WorkspaceEvent, R"({"change":"focus","current":{},"old":null})");
    }
    QTRY_COMPARE(fixture.server.activeSpace(1), quint64(2));
    QTest::qWait(100);
    QCOMPARE(fixture.posts, 1); // later answers changed nothing
    QVERIFY2(fixture.fakeServer.requestCount(IpcMessage::GetWorkspaces) < 100,
             qPrintable(QString::number(fixture.fakeServer.requestCount(IpcMessage::GetWorkspaces))));
    QCOMPARE(fixture.faults(), 0);
}

void TestI3IpcWindowServer::followsAFocusEventWithoutARoundTrip() {
    Fixture fixture;
    QVERIFY(fixture.fakeServer.listen());
    QCOMPARE(fixture.server.open(), QString());
    fixture.fakeServer.answerOverride = [](quint32 type) -> std::optional<QByteArray> {
        return type == IpcMessage::GetWorkspaces ? std::optional(QByteArray()) : std::nullopt; // no answer yet
    };
    fixture.fakeServer.sendEvent(IpcMessage::WorkspaceEvent,
                                 R"({"change":"focus","current":{"num":7,"name":"7: new"},"old":null})");
    QTRY_COMPARE(fixture.posts, 1);
    QCOMPARE(fixture.server.activeSpace(1), quint64(7));
    QCOMPARE(fixture.server.copySpaces(1, 7)->last(), 7); // focused, so it exists
}

void TestI3IpcWindowServer::reconnectsAndRefreshes_data() {
    QTest::addColumn<quint32>("eventType");
    QTest::addColumn<QByteArray>("event");
    QTest::addColumn<QString>("line");
    QTest::newRow("restart") << quint32(IpcMessage::ShutdownEvent) << QByteArray(R"({"change":"restart"})")
                             << "⚠️ fake: restarting; keeping the last reading and reconnecting";
    QTest::newRow("exit") << quint32(IpcMessage::ShutdownEvent) << QByteArray(R"({"change":"exit"})")
                          << "⚠️ fake: shutting down; keeping the last reading and reconnecting";
    QTest::newRow("reload") << quint32(IpcMessage::WorkspaceEvent) << QByteArray(R"({"change":"reload"})")
                            << "⚠️ fake: reloaded its configuration; keeping the last reading and reconnecting";
    QTest::newRow("closed") << quint32(0) << QByteArray()
                            << "⚠️ fake: the connection was closed; keeping the last reading and reconnecting";
}

void TestI3IpcWindowServer::reconnectsAndRefreshes() {
    QFETCH(quint32, eventType);
    QFETCH(QByteArray, event);
    QFETCH(QString, line);
    Fixture fixture;
    QVERIFY(fixture.fakeServer.listen());
    QCOMPARE(fixture.server.open(), QString());
    fixture.capture.clear();
    fixture.fakeServer.workspaces = focusedWorkspace(3);
    fixture.fakeServer.config = "bindsym Mod4+9 workspace 9\n";
    if (eventType != 0) {
        fixture.fakeServer.sendEvent(eventType, event);
    } else {
        fixture.fakeServer.closeSubscribers();
    }
    QTRY_COMPARE(fixture.posts, 1);
    QCOMPARE(fixture.capture.systemLog,
             (QStringList{line, "✅ fake: connected again at " + fixture.fakeServer.socketPath()}));
    QCOMPARE(fixture.server.activeSpace(1), quint64(3));
    QCOMPARE(fixture.server.copySpaces(1, 7), std::optional(QList<qint64>{1, 3, 9})); // the configuration anew
}

void TestI3IpcWindowServer::waitsQuietlyForAWindowManagerThatIsAway() {
    Fixture fixture;
    QVERIFY(fixture.fakeServer.listen());
    QCOMPARE(fixture.server.open(), QString());
    fixture.capture.clear();
    fixture.fakeServer.stop();
    QTRY_COMPARE(fixture.faults(), 1);
    QTest::qWait(1500); // the attempts at 0.1 s and 1.1 s find nothing: no more lines
    QCOMPARE(fixture.faults(), 1);
    QCOMPARE(fixture.server.activeSpace(1), quint64(5));
    QVERIFY(fixture.fakeServer.listen());
    QTRY_VERIFY_WITH_TIMEOUT(fixture.capture.systemLog.filter("connected again").size() == 1, 3000);
}

void TestI3IpcWindowServer::dropsAWindowManagerThatDoesNotAnswer() {
    Fixture fixture;
    QVERIFY(fixture.fakeServer.listen());
    QCOMPARE(fixture.server.open(), QString());
    fixture.fakeServer.answerOverride = [](quint32 type) -> std::optional<QByteArray> {
        return type == IpcMessage::GetWorkspaces ? std::optional(QByteArray()) : std::nullopt;
    };
    fixture.fakeServer.sendEvent(IpcMessage::WorkspaceEvent, R"({"change":"focus"})");
    QTRY_VERIFY_WITH_TIMEOUT(fixture.faults() == 1, 4000);
    QVERIFY(fixture.capture.systemLog.constLast().contains("waited 2000 ms in vain for an answer to GET_WORKSPACES"));
}

void TestI3IpcWindowServer::openFails_data() {
    QTest::addColumn<bool>("listening");
    QTest::addColumn<QByteArray>("subscribeAnswer");
    QTest::addColumn<QString>("error");
    QTest::newRow("nobody listens") << false << QByteArray() << "ipc.sock: ";
    QTest::newRow("subscription refused") << true << QByteArray(R"({"success":false})") << "was refused";
    QTest::newRow("garbage") << true << QByteArray("HTTP/1.1 400") << "bad magic";
}

void TestI3IpcWindowServer::openFails() {
    QFETCH(bool, listening);
    QFETCH(QByteArray, subscribeAnswer);
    QFETCH(QString, error);
    Fixture fixture;
    if (listening) {
        QVERIFY(fixture.fakeServer.listen());
    }
    fixture.fakeServer.answerOverride = [&](quint32 type) -> std::optional<QByteArray> {
        if (type != IpcMessage::Subscribe) {
            return std::nullopt;
        }
        return subscribeAnswer.startsWith('{') ? IpcMessage::encode(type, subscribeAnswer) : subscribeAnswer;
    };
    const QString result = fixture.server.open();
    QVERIFY2(result.contains(error), qPrintable(result));
    QCOMPARE(fixture.server.copySpaces(1, 7), std::optional<QList<qint64>>());
    QVERIFY(fixture.capture.systemLog.isEmpty()); // the caller reports it
}

void TestI3IpcWindowServer::reconnectDelays() {
    QCOMPARE(I3IpcWindowServer::reconnectDelay(0), 100ms);
    QCOMPARE(I3IpcWindowServer::reconnectDelay(1), 1000ms);
    QCOMPARE(I3IpcWindowServer::reconnectDelay(2), 2000ms);
    QCOMPARE(I3IpcWindowServer::reconnectDelay(3), 4000ms);
    QCOMPARE(I3IpcWindowServer::reconnectDelay(40), 5000ms);
}

QTEST_GUILESS_MAIN(TestI3IpcWindowServer)
#include "tst_i3ipcwindowserver.moc"
