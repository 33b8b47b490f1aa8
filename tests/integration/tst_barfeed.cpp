// `vantorel --bar=FORMAT` as a bar runs it, against the program on the hand-fed window server: the feed starts the
// program when none runs, writes a line per switch, blanks when the program quits, follows the next one, and ends
// when the bar closes its output.
#include "FeedProcess.h"
#include "VantorelProcess.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace {

void append(const QString& path, const QByteArray& lines) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::Append));
    file.write(lines);
}

// Fields of /proc/PID/stat after the command name: state, parent, process group, session, ...
QList<QByteArray> statusFields(pid_t pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray line = stat.readAll();
    return line.mid(line.lastIndexOf(')') + 2).split(' ');
}

QByteArray fileContent(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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
    FeedProcess polybar({"--bar=polybar", "--spaces-from=" + script}, environment, errors);
    FeedProcess waybar({"--bar=waybar", "--spaces-from=" + script}, environment, errors);
    QCOMPARE(polybar.nextLine(), "%{B#ff6b6b}%{F#ffffff} Desktop 1 %{F-}%{B-}");
    QCOMPARE(waybar.nextLine(),
             R"({"alt":"#ff6b6b","class":"vantorel-ff6b6b","text":" Desktop 1 ","tooltip":"Desktop 1"})");
    QCOMPARE(fileContent(errors).count("🚀 No Vantorel is running: starting one for the bar"), 1);
    QVERIFY(fileContent(home.filePath("vantorel/waybar.css")).contains("#custom-vantorel.vantorel-123456 {"));

    // Detached: a session of its own, nobody's child, and no pipe of a bar held open.
    const pid_t program = instanceProcessId(runtime.filePath("vantorel"));
    QVERIFY(program > 0);
    const QList<QByteArray> fields = statusFields(program);
    QCOMPARE(fields.value(3).toInt(), program);
    QVERIFY(fields.value(1).toInt() != polybar.processId() && fields.value(1).toInt() != waybar.processId());
    QCOMPARE(QFileInfo(QStringLiteral("/proc/%1/fd/1").arg(program)).symLinkTarget(), "/dev/null");

    waybar.closeOutput();
    QCOMPARE(waybar.exitStatus(), 0);

    append(script, "{\"spaces\": [1, 2, 3], \"active\": 2}\n");
    QCOMPARE(polybar.nextLine(), "%{B#123456}%{F#ffffff} 100%\u200B <b> %{F-}%{B-}");

    // The program quits: the bar shows nothing until another one runs, and the feed starts none itself.
    ::kill(program, SIGTERM);
    QCOMPARE(polybar.nextLine(), "");
    VantorelProcess next(environment);
    QVERIFY(next.start({"--spaces-from=" + script}));
    QCOMPARE(polybar.nextLine(), "%{B#123456}%{F#ffffff} 100%\u200B <b> %{F-}%{B-}");
    QCOMPARE(fileContent(errors).count("🚀"), 1);

    polybar.closeOutput();
    QCOMPARE(polybar.exitStatus(), 0);
    QCOMPARE(next.stop(), 0);
}

QTEST_GUILESS_MAIN(TestBarFeed)
#include "tst_barfeed.moc"
