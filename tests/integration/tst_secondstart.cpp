// A second start of Vantorel under a private X server with a window manager opens the running one's marking window.
#include "X11Session.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

// What a program printed, or its exit status when it failed.
QString run(const X11Session& session, const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProcessEnvironment(session.environment());
    process.start(program, arguments);
    if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        return QStringLiteral("failed: ") + process.readAllStandardError();
    }
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

int pixelsOf(const QImage& image, QColor colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += image.pixelColor(x, y) == colour ? 1 : 0;
        }
    }
    return count;
}

} // namespace

class TestSecondStart : public QObject {
    Q_OBJECT

private slots:
    void opensTheRunningInstancesWindow();
};

void TestSecondStart::opensTheRunningInstancesWindow() {
    REQUIRE_PROGRAMS("Xvfb", "openbox", "xdotool", "import");
    X11Session session;
    QString error;
    QVERIFY2(session.start(QSize(1024, 768), &error), qPrintable(error));
    session.launch("openbox", {});

    const QString script = session.configFolder() + "/spaces.jsonl";
    QFile spaces(script);
    QVERIFY(spaces.open(QIODevice::WriteOnly));
    spaces.write("{\"spaces\": [1, 2, 3], \"active\": 2}\n");
    spaces.close();
    QProcess& first = session.launch(VANTOREL_BINARY, {"--spaces-from=" + script});
    QByteArray firstOutput;
    QTRY_VERIFY_WITH_TIMEOUT((firstOutput += first.readAllStandardOutput()).contains("✅ Vantorel launched"), 10000);
    QCOMPARE(run(session, "xdotool", {"search", "--name", "Mark My Desktops"}), "failed: ");

    QCOMPARE(run(session, VANTOREL_BINARY, {"--spaces-from=" + script}), QString());
    QString window;
    QTRY_VERIFY_WITH_TIMEOUT(
        !(window = run(session, "xdotool", {"search", "--onlyvisible", "--name", "^Mark My Desktops$"}))
             .startsWith("failed"),
        10000);
    QVERIFY(run(session, "xdotool", {"getwindowgeometry", window}).contains("Geometry: 680x560"));

    const QString screenshot = QDir::temp().filePath("vantorel-second-start.png");
    QCOMPARE(run(session, "import", {"-window", "root", screenshot}), QString());
    qInfo("screenshot: %s", qPrintable(screenshot));
    // Three rows of the palette: the first swatch's red at least three times over.
    QVERIFY(pixelsOf(session.grab(QRect(0, 0, 1024, 768)), QColor("#FF6B6B")) > 3 * 300);
    QTRY_VERIFY_WITH_TIMEOUT(
        (firstOutput += first.readAllStandardOutput()).contains("🔄 Refreshing Spaces in settings window..."), 5000);
    QCOMPARE(first.state(), QProcess::Running);
}

QTEST_GUILESS_MAIN(TestSecondStart)
#include "tst_secondstart.moc"
