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
    // Why the server could not follow the fake one; empty once it does.
    QString listenAndOpen() { return fakeServer.listen() ? server.open() : QStringLiteral("cannot listen"); }
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
    void firstReadingHasExistingAndBoundWorkspaces() {
        Fixture fixture;
        QCOMPARE(fixture.listenAndOpen(), QString());
        const SpaceID mail = WorkspaceIdentity::spaceIDForName(u"mail");
        QCOMPARE(fixture.server.copySpaces(1, 7), std::optional(QList<qint64>{1, 5, 2, mail}));
        QCOMPARE(fixture.server.activeSpace(1), quint64(5));
        QCOMPARE(fixture.capture.systemLog, QStringList{"🔌 Following fake at " + fixture.fakeServer.socketPath()});
        QCOMPARE(fixture.posts, 0);
    }

    // The event alone moves the focus; the unanswered request that follows it drops the window manager.
    void followsAFocusEventAndDropsAWindowManagerThatDoesNotAnswer() {
        Fixture fixture;
        QCOMPARE(fixture.listenAndOpen(), QString());
        fixture.fakeServer.answerOverride = [](quint32 type) -> std::optional<QByteArray> {
            return type == IpcMessage::GetWorkspaces ? std::optional(QByteArray()) : std::nullopt;
        };
        fixture.fakeServer.sendEvent(IpcMessage::WorkspaceEvent,
                                     R"({"change":"focus","current":{"num":7,"name":"7: new"},"old":null})");
        QTRY_COMPARE(fixture.posts, 1);
        QCOMPARE(fixture.server.activeSpace(1), quint64(7));
        QCOMPARE(fixture.server.copySpaces(1, 7)->last(), 7); // focused, so it exists
        QCOMPARE(fixture.faults(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(fixture.faults() == 1, 4000);
        QVERIFY(
            fixture.capture.systemLog.constLast().contains("waited 2000 ms in vain for an answer to GET_WORKSPACES"));
    }

    void reconnectsAndRefreshes_data() {
        QTest::addColumn<quint32>("eventType");
        QTest::addColumn<QByteArray>("event");
        QTest::addColumn<QString>("line");
        QTest::newRow("restart") << quint32(IpcMessage::ShutdownEvent) << QByteArray(R"({"change":"restart"})")
                                 << "⚠️ fake: restarting; keeping the last reading and reconnecting";
        QTest::newRow("reload") << quint32(IpcMessage::WorkspaceEvent)
                                << QByteArray(R"({"change":"reload","current":null})")
                                << "⚠️ fake: reloaded its configuration; keeping the last reading and reconnecting";
        QTest::newRow("closed") << quint32(0) << QByteArray()
                                << "⚠️ fake: the connection was closed; keeping the last reading and reconnecting";
    }

    void reconnectsAndRefreshes() {
        QFETCH(quint32, eventType);
        QFETCH(QByteArray, event);
        QFETCH(QString, line);
        Fixture fixture;
        QCOMPARE(fixture.listenAndOpen(), QString());
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

    void waitsQuietlyForAWindowManagerThatIsAway() {
        Fixture fixture;
        QCOMPARE(fixture.listenAndOpen(), QString());
        fixture.capture.clear();
        fixture.fakeServer.stop();
        QTRY_COMPARE(fixture.faults(), 1);
        QTest::qWait(1500); // the attempts at 0.1 s and 1.1 s find nothing: no more lines
        QCOMPARE(fixture.faults(), 1);
        QCOMPARE(fixture.server.activeSpace(1), quint64(5));
        QVERIFY(fixture.fakeServer.listen());
        QTRY_VERIFY_WITH_TIMEOUT(fixture.capture.systemLog.filter("connected again").size() == 1, 3000);
    }

    void openFails_data() {
        QTest::addColumn<bool>("listening");
        QTest::addColumn<QByteArray>("subscribeAnswer");
        QTest::addColumn<QString>("error");
        QTest::newRow("nobody listens") << false << QByteArray() << "ipc.sock: ";
        QTest::newRow("subscription refused") << true << QByteArray(R"({"success":false})") << "was refused";
        QTest::newRow("garbage") << true << QByteArray("HTTP/1.1 400") << "bad magic";
    }

    void openFails() {
        QFETCH(bool, listening);
        QFETCH(QByteArray, subscribeAnswer);
        QFETCH(QString, error);
        Fixture fixture;
        fixture.fakeServer.answerOverride = [&](quint32 type) -> std::optional<QByteArray> {
            if (type != IpcMessage::Subscribe) {
                return std::nullopt;
            }
            return subscribeAnswer.startsWith('{') ? IpcMessage::encode(type, subscribeAnswer) : subscribeAnswer;
        };
        const QString result = listening ? fixture.listenAndOpen() : fixture.server.open();
        QVERIFY2(result.contains(error), qPrintable(result));
        QCOMPARE(fixture.server.copySpaces(1, 7), std::optional<QList<qint64>>());
        QVERIFY(fixture.capture.systemLog.isEmpty()); // the caller reports it
    }
};

QTEST_GUILESS_MAIN(TestI3IpcWindowServer)
#include "tst_i3ipcwindowserver.moc"
