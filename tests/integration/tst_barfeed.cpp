// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

// `vantorel --bar=FORMAT` as a bar runs it, against the program on the hand-fed window server: the feed starts the
// program when none runs, writes a line per switch, blanks when the program quits, follows the next one, and ends
// when the bar closes its output.
#include "Processes.h"
#include "ProgramHome.h"
#include "VantorelProcess.h"
#include "instance/SingleInstance.h"

#include <QFileInfo>
#include <QTest>

#include <csignal>

namespace {

// The feed behind a pipe that its reader closes after `lines` lines, as a bar that goes away; the shell then says
// how the feed ended. Standard error is appended to `errors`, or shares the pipe (as polybar has it) when empty.
// The pipeline is a process group of its own, ended whole whatever the test's outcome.
class FeedPipeline {
public:
    FeedPipeline(const QProcessEnvironment& environment, const QString& format, int lines, const QString& script,
                 const QString& errors = QString()) {
        const QString toErrors = errors.isEmpty() ? "2>&1" : R"(2>>"$3")";
        m_shell.setProcessEnvironment(environment);
        // A bar that blocks SIGTERM for what it starts: the program a feed starts must not inherit that.
        m_shell.setChildProcessModifier([] {
            sigset_t terminate;
            sigemptyset(&terminate);
            sigaddset(&terminate, SIGTERM);
            ::sigprocmask(SIG_BLOCK, &terminate, nullptr);
        });
        m_shell.start("setsid",
                      {"bash", "-c",
                       R"("$0" "$1" "$2" )" + toErrors + R"( | sed -u "$4q"; echo "feed exited ${PIPESTATUS[0]}")",
                       VANTOREL_BINARY, "--bar=" + format, "--spaces-from=" + script, errors, QString::number(lines)});
    }
    ~FeedPipeline() {
        if (m_shell.processId() > 0) {
            ::kill(-pid_t(m_shell.processId()), SIGKILL);
        }
        m_shell.waitForFinished();
    }

    QByteArray nextLine() {
        if (!QTest::qWaitFor([this] { return m_shell.canReadLine(); }, 20000)) {
            return "(no line)";
        }
        return m_shell.readLine().chopped(1);
    }

private:
    QProcess m_shell;
};

// Fields of /proc/PID/stat after the command name: state, parent, process group, session, ...
QList<QByteArray> statusFields(pid_t pid) {
    const QByteArray line = readFile(QStringLiteral("/proc/%1/stat").arg(pid));
    return line.mid(line.lastIndexOf(')') + 2).split(' ');
}

} // namespace

class TestBarFeed : public QObject {
    Q_OBJECT

private slots:
    void startsFollowsAndOutlivesTheProgram() {
        ProgramHome home;
        const QString script = home.writeConfigFile("spaces.jsonl", "{\"spaces\": [1, 2, 3], \"active\": 1}\n");
        storeSpaceConfig(home.configFolder(), 2, "100% <b>", "#123456");
        const QProcessEnvironment environment = home.environment();
        const QString errors = home.configFolder() + "/feeds.log";

        // Two bars start at once, with no program running: one program is started, and both show its label.
        FeedPipeline polybar(environment, "polybar", 4, script, errors);
        FeedPipeline waybar(environment, "waybar", 1, script, errors);
        QCOMPARE(polybar.nextLine(), "%{B#ff6b6b}%{F#ffffff} Desktop 1 %{F-}%{B-}");
        QCOMPARE(waybar.nextLine(),
                 R"({"alt":"#ff6b6b","class":"vantorel-ff6b6b","text":" Desktop 1 ","tooltip":"Desktop 1"})");
        QCOMPARE(waybar.nextLine(), "feed exited 0");
        QCOMPARE(readFile(errors).count("🚀 No Vantorel is running: starting one for the bar"), 1);

        // Detached: a session of its own, not a feed's child, and no pipe of a bar held open.
        const pid_t program = instanceProcessId(home.runtimeFolder());
        QVERIFY(program > 0);
        const QList<QByteArray> fields = statusFields(program);
        QCOMPARE(fields.value(3).toInt(), program);
        QVERIFY(readFile(QStringLiteral("/proc/%1/comm").arg(fields.value(1).toInt())) != "vantorel\n");
        QCOMPARE(QFileInfo(QStringLiteral("/proc/%1/fd/1").arg(program)).symLinkTarget(), "/dev/null");

        QVERIFY(writeFile(script, "{\"spaces\": [1, 2, 3], \"active\": 2}\n", QIODevice::Append));
        QCOMPARE(polybar.nextLine(), "%{B#123456}%{F#ffffff} 100%\u200B <b> %{F-}%{B-}");

        // The program quits: the bar shows nothing until another one runs, and the feed starts none itself.
        ::kill(program, SIGTERM);
        QCOMPARE(polybar.nextLine(), "");
        // A start while the quitting one still holds the lock would hand over to it.
        QTRY_VERIFY(!SingleInstance(home.runtimeFolder() + "/vantorel").isInstanceRunning());
        VantorelProcess next(environment);
        QVERIFY(next.start({"--spaces-from=" + script}));
        QCOMPARE(polybar.nextLine(), "%{B#123456}%{F#ffffff} 100%\u200B <b> %{F-}%{B-}");
        QCOMPARE(polybar.nextLine(), "feed exited 0");
        QCOMPARE(readFile(errors).count("🚀"), 1);
        QCOMPARE(next.stop(), 0);

        // On one pipe for both outputs, neither the feed's diagnostics nor those of the program it starts reach the
        // bar.
        FeedPipeline plain(environment, "plain", 1, script);
        QCOMPARE(plain.nextLine(), "100% <b>");
        QCOMPARE(plain.nextLine(), "feed exited 0");
    }

    // The session's autostart and a bar's feed start at about the same moment: one program runs and nobody asked it
    // for its window.
    void startingWithAFeedOpensNoWindow() {
        for (const int delayMs : {0, 40, 120}) {
            ProgramHome home;
            const QString script = home.writeConfigFile("spaces.jsonl", "{\"spaces\": [1], \"active\": 1}\n");
            const OwnedProgram feed = newProgram();
            const OwnedProgram autostart = newProgram();
            for (QProcess* process : {feed.get(), autostart.get()}) {
                process->setProcessEnvironment(home.environment());
            }
            feed->start(VANTOREL_BINARY, {"--bar=plain", "--spaces-from=" + script});
            QTest::qWait(delayMs);
            autostart->start(VANTOREL_BINARY, {"--spaces-from=" + script});
            QTRY_VERIFY_WITH_TIMEOUT(feed->canReadLine(), 10000);
            QTest::qWait(300);
            const QByteArray output = autostart->readAllStandardOutput();
            QVERIFY2(!output.contains("📡 Another start asked for the marking window"),
                     qPrintable(QString::number(delayMs)));
        }
    }
};

QTEST_GUILESS_MAIN(TestBarFeed)
#include "tst_barfeed.moc"
