// `vantorel --bar=FORMAT` as a bar runs it, against the program on the hand-fed window server: the feed starts the
// program when none runs, writes a line per switch, blanks when the program quits, follows the next one, and ends
// when the bar closes its output.
#include "VantorelProcess.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

void append(const QString& path, const QByteArray& lines) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::Append));
    file.write(lines);
}

QByteArray fileContent(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The feed behind a pipe that its reader closes after `lines` lines, as a bar that goes away; the shell then says
// how the feed ended. Standard error is appended to `errors`.
void startFeed(QProcess& feed, const QString& format, int lines, const QString& script, const QString& errors) {
    feed.start("bash", {"-c", R"("$0" "$1" "$2" 2>>"$3" | sed -u "$4q"; echo "feed exited ${PIPESTATUS[0]}")",
                        VANTOREL_BINARY, "--bar=" + format, "--spaces-from=" + script, errors, QString::number(lines)});
}

QByteArray nextLine(QProcess& feed) {
    const QDeadlineTimer deadline(20000);
    while (!feed.canReadLine() && !deadline.hasExpired()) {
        if (!feed.waitForReadyRead(int(deadline.remainingTime())) && feed.state() != QProcess::Running) {
            break;
        }
    }
    return feed.canReadLine() ? feed.readLine().chopped(1) : QByteArray("(no line)");
}

// The process serving the instance socket, from the socket's credentials.
pid_t instanceProcessId(const QString& runtime) {
    QLocalSocket socket;
    socket.connectToServer(runtime + "/vantorel/instance.socket");
    ucred credentials{};
    socklen_t length = sizeof(credentials);
    if (!socket.waitForConnected(5000) ||
        ::getsockopt(int(socket.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &credentials, &length) != 0) {
        return -1;
    }
    return credentials.pid;
}

// Fields of /proc/PID/stat after the command name: state, parent, process group, session, ...
QList<QByteArray> statusFields(pid_t pid) {
    const QByteArray line = fileContent(QStringLiteral("/proc/%1/stat").arg(pid));
    return line.mid(line.lastIndexOf(')') + 2).split(' ');
}

} // namespace

class TestBarFeed : public QObject {
    Q_OBJECT

private slots:
    void startsFollowsAndOutlivesTheProgram();
};

void TestBarFeed::startsFollowsAndOutlivesTheProgram() {
    QTemporaryDir home;
    QTemporaryDir runtime;
    const QString script = home.filePath("spaces.jsonl");
    append(script, "{\"spaces\": [1, 2, 3], \"active\": 1}\n");
    storeSpaceConfig(home.path(), 2, "100% <b>", "#123456");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", home.path());
    environment.insert("XDG_RUNTIME_DIR", runtime.path());
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    const QString errors = home.filePath("feeds.log");

    // Two bars start at once, with no program running: one program is started, and both show its label.
    QProcess polybar;
    QProcess waybar;
    for (QProcess* feed : {&polybar, &waybar}) {
        feed->setProcessEnvironment(environment);
    }
    startFeed(polybar, "polybar", 4, script, errors);
    startFeed(waybar, "waybar", 1, script, errors);
    QCOMPARE(nextLine(polybar), "%{B#ff6b6b}%{F#ffffff} Desktop 1 %{F-}%{B-}");
    QCOMPARE(nextLine(waybar),
             R"({"alt":"#ff6b6b","class":"vantorel-ff6b6b","text":" Desktop 1 ","tooltip":"Desktop 1"})");
    QCOMPARE(nextLine(waybar), "feed exited 0");
    QCOMPARE(fileContent(errors).count("🚀 No Vantorel is running: starting one for the bar"), 1);
    QVERIFY(fileContent(home.filePath("vantorel/waybar.css")).contains("#custom-vantorel.vantorel-123456 {"));

    // Detached: a session of its own, nobody's child, and no pipe of a bar held open.
    const pid_t program = instanceProcessId(runtime.path());
    QVERIFY(program > 0);
    const QList<QByteArray> fields = statusFields(program);
    QCOMPARE(fields.value(3).toInt(), program);
    QVERIFY(fileContent(QStringLiteral("/proc/%1/comm").arg(fields.value(1).toInt())) != "vantorel\n");
    QCOMPARE(QFileInfo(QStringLiteral("/proc/%1/fd/1").arg(program)).symLinkTarget(), "/dev/null");

    append(script, "{\"spaces\": [1, 2, 3], \"active\": 2}\n");
    QCOMPARE(nextLine(polybar), "%{B#123456}%{F#ffffff} 100%\u200B <b> %{F-}%{B-}");

    // The program quits: the bar shows nothing until another one runs, and the feed starts none itself.
    ::kill(program, SIGTERM);
    QCOMPARE(nextLine(polybar), "");
    QTRY_VERIFY(!QFileInfo::exists(QStringLiteral("/proc/%1").arg(program))); // the next one would hand over to it
    VantorelProcess next(environment);
    QVERIFY(next.start({"--spaces-from=" + script}));
    QCOMPARE(nextLine(polybar), "%{B#123456}%{F#ffffff} 100%\u200B <b> %{F-}%{B-}");
    QCOMPARE(nextLine(polybar), "feed exited 0");
    QCOMPARE(fileContent(errors).count("🚀"), 1);
    QCOMPARE(next.stop(), 0);
}

QTEST_GUILESS_MAIN(TestBarFeed)
#include "tst_barfeed.moc"
