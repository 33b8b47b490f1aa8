// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "app/WindowServerFactory.h"

#include "DiagnosticsCapture.h"
#include "FakeIpcServer.h"
#include "ForeignSocket.h"
#include "X11Session.h"
#include "windowserver/i3ipc/I3SocketPath.h"

#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using Choice = CommandLine::WindowServer;
Q_DECLARE_METATYPE(Choice)

class TestWindowServerFactory : public QObject {
    Q_OBJECT

private slots:
    void picks_data();
    void picks();
    void rootWindowTrustsOnlyThisUsersSocket_data();
    void rootWindowTrustsOnlyThisUsersSocket();
};

void TestWindowServerFactory::picks_data() {
    QTest::addColumn<Choice>("choice");
    QTest::addColumn<QString>("spacesFrom");
    QTest::addColumn<QStringList>("swayI3Display"); // "fake" stands for the fake server's socket
    QTest::addColumn<QString>("outcome");           // the line of the one opened, or the error

    const QString nothing = "no window server to follow: tried sway (SWAYSOCK not set), i3 (I3SOCK not set, "
                            "no I3_SOCKET_PATH on the X root window), x11 (DISPLAY not set).";
    QTest::newRow("nothing there") << Choice::Automatic << "" << QStringList{"", "", ""} << nothing;
    QTest::newRow("sway first") << Choice::Automatic << "" << QStringList{"fake", "fake", ":987"}
                                << "🔌 Following sway at fake";
    QTest::newRow("a stale SWAYSOCK gives way to i3")
        << Choice::Automatic << "" << QStringList{"/nonexistent/sway.sock", "fake", ""} << "🔌 Following i3 at fake";
    QTest::newRow("forced x11 without a display") << Choice::X11 << "" << QStringList{"fake", "fake", ""}
                                                  << "no window server to follow: tried x11 (DISPLAY not set).";
    QTest::newRow("an X server that is not there")
        << Choice::Automatic << "" << QStringList{"", "", ":987"}
        << "tried sway (SWAYSOCK not set), i3 (I3SOCK not set, no I3_SOCKET_PATH on the X root window), "
           "x11 (cannot connect to the X server on :987).";
    QTest::newRow("scripted file missing")
        << Choice::Scripted << "/nonexistent/spaces.jsonl" << QStringList{"fake", "", ""}
        << "tried scripted (cannot read /nonexistent/spaces.jsonl: ";
}

void TestWindowServerFactory::picks() {
    QFETCH(Choice, choice);
    QFETCH(QString, spacesFrom);
    QFETCH(QStringList, swayI3Display);
    QFETCH(QString, outcome);
    DiagnosticsCapture capture;
    QTemporaryDir folder;
    FakeIpcServer fakeServer(folder.filePath("ipc.sock"));
    QVERIFY(fakeServer.listen());
    swayI3Display.replaceInStrings(QRegularExpression("^fake$"), fakeServer.socketPath());
    WindowServerFactory factory(choice, spacesFrom, {swayI3Display[0], swayI3Display[1], swayI3Display[2]});

    const std::unique_ptr<WindowServerBackend> windowServer = factory.hasCandidates() ? factory.open() : nullptr;
    const QString result = windowServer ? capture.systemLog.join('\n') : factory.error();
    QVERIFY2(result.contains(QString(outcome).replace("fake", fakeServer.socketPath())), qPrintable(result));
}

void TestWindowServerFactory::rootWindowTrustsOnlyThisUsersSocket_data() {
    QTest::addColumn<bool>("foreign");
    QTest::newRow("this user's") << false;
    QTest::newRow("another user's, which any X client may name") << true;
}

void TestWindowServerFactory::rootWindowTrustsOnlyThisUsersSocket() {
    QFETCH(bool, foreign);
    REQUIRE_PROGRAMS("Xvfb", "xprop");
    X11Session session;
    QString error;
    QVERIFY2(session.start({320, 200}, &error), qPrintable(error));
    QTemporaryDir folder;
    QVERIFY(::chmod(QFile::encodeName(folder.path()).constData(), 0777) == 0);
    const QString path = folder.filePath("ipc.sock");
    FakeIpcServer own(path);
    const ForeignSocket other(foreign ? path : folder.filePath("unused.sock"));
    if (foreign && !other.isRunning()) {
        QSKIP("only root can serve a socket as another user");
    }
    QVERIFY(foreign || own.listen());
    QCOMPARE(session.run("xprop", {"-root", "-f", "I3_SOCKET_PATH", "8u", "-set", "I3_SOCKET_PATH", path}), "");
    QCOMPARE(I3SocketPath::fromRootWindow(session.display()), foreign ? QString() : path);
}

QTEST_GUILESS_MAIN(TestWindowServerFactory)
#include "tst_windowserverfactory.moc"
