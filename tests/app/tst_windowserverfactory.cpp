// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "app/WindowServerFactory.h"

#include "DBusSession.h"
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
    void picks_data() {
        QTest::addColumn<Choice>("choice");
        QTest::addColumn<QString>("spacesFrom");
        QTest::addColumn<QStringList>("swayI3Display"); // and the bus; "fake" stands for the fake IPC socket
        QTest::addColumn<QString>("outcome");           // the line of the one opened, or the error

        const QString nothing = "no window server to follow: tried sway (SWAYSOCK not set), i3 (I3SOCK not set, "
                                "no I3_SOCKET_PATH on the X root window), kwin (DBUS_SESSION_BUS_ADDRESS not set), "
                                "x11 (DISPLAY not set).";
        QTest::newRow("nothing there") << Choice::Automatic << "" << QStringList{"", "", ""} << nothing;
        QTest::newRow("a stale SWAYSOCK gives way to i3")
            << Choice::Automatic << "" << QStringList{"/nonexistent/sway.sock", "fake", ""} << "🔌 Following i3 at fake";
        QTest::newRow("forced x11 without a display") << Choice::X11 << "" << QStringList{"fake", "fake", ""}
                                                      << "no window server to follow: tried x11 (DISPLAY not set).";
        QTest::newRow("an X server that is not there")
            << Choice::Automatic << "" << QStringList{"", "", ":987", "bus"}
            << "kwin (org.kde.KWin is not on the session bus), x11 (cannot connect to the X server on :987).";
        QTest::newRow("scripted file missing")
            << Choice::Scripted << "/nonexistent/spaces.jsonl" << QStringList{"fake", "", ""}
            << "tried scripted (cannot read /nonexistent/spaces.jsonl: ";
    }

    void picks() {
        QFETCH(Choice, choice);
        QFETCH(QString, spacesFrom);
        QFETCH(QStringList, swayI3Display);
        QFETCH(QString, outcome);
        DiagnosticsCapture capture;
        QTemporaryDir folder;
        FakeIpcServer fakeServer(folder.filePath("ipc.sock"));
        QVERIFY(fakeServer.listen());
        swayI3Display.replaceInStrings(QRegularExpression("^fake$"), fakeServer.socketPath());
        DBusSession bus;
        VERIFY_STARTS(swayI3Display.value(3).isEmpty() || bus.start(&error));
        WindowServerFactory factory(choice, spacesFrom,
                                    {swayI3Display[0], swayI3Display[1], swayI3Display[2],
                                     swayI3Display.value(3).isEmpty() ? QString() : bus.address()});

        const std::unique_ptr<WindowServerBackend> windowServer = factory.hasCandidates() ? factory.open() : nullptr;
        const QString result = windowServer ? capture.systemLog.join('\n') : factory.error();
        QVERIFY2(result.contains(QString(outcome).replace("fake", fakeServer.socketPath())), qPrintable(result));
    }

    // This user's socket named on the root window is followed in the i3 test; another user's, which any X client
    // may name there, is not.
    void rootWindowTrustsOnlyThisUsersSocket() {
        REQUIRE_PROGRAMS("Xvfb", "xprop");
        QTemporaryDir folder;
        QVERIFY(::chmod(QFile::encodeName(folder.path()).constData(), 0777) == 0);
        const QString path = folder.filePath("ipc.sock");
        const ForeignSocket other(path);
        if (!other.isRunning()) {
            QSKIP("only root can serve a socket as another user");
        }
        X11Session session;
        VERIFY_STARTS(session.start({320, 200}, &error));
        QCOMPARE(session.run("xprop", {"-root", "-f", "I3_SOCKET_PATH", "8u", "-set", "I3_SOCKET_PATH", path}), "");
        QCOMPARE(I3SocketPath::fromRootWindow(session.display()), QString());
    }
};

QTEST_GUILESS_MAIN(TestWindowServerFactory)
#include "tst_windowserverfactory.moc"
