// Vantorel in i3's bar under a private X server: the tray shows the active desktop's colour and follows a switch.
#include "X11Session.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

namespace {

constexpr QRect barArea(0, 0, 640, 24);

// The label colour at the icon's 0.9 opacity over i3bar's black background.
QColor onBlackBar(QColor color) {
    return QColor(qRound(color.red() * 0.9), qRound(color.green() * 0.9), qRound(color.blue() * 0.9));
}

int pixelsNear(const QImage& image, QColor colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (std::abs(pixel.red() - colour.red()) <= 3 && std::abs(pixel.green() - colour.green()) <= 3 &&
                std::abs(pixel.blue() - colour.blue()) <= 3) {
                ++count;
            }
        }
    }
    return count;
}

void writeFile(const QString& path, const QByteArray& content, QIODevice::OpenMode mode = QIODevice::WriteOnly) {
    QFile file(path);
    QVERIFY(file.open(mode));
    file.write(content);
}

} // namespace

class TestI3Tray : public QObject {
    Q_OBJECT

private slots:
    void trayFollowsTheActiveSpace();
};

void TestI3Tray::trayFollowsTheActiveSpace() {
    REQUIRE_PROGRAMS("Xvfb", "i3", "i3bar");
    X11Session session;
    QString error;
    QVERIFY2(session.start(QSize(640, 480), &error), qPrintable(error));

    const QString script = session.configFolder() + "/spaces.jsonl";
    writeFile(script, "{\"spaces\": [1, 2], \"active\": 1}\n");
    // Vantorel starts before any tray exists: its icon must appear once the bar's tray does.
    QProcess& vantorel = session.launch(VANTOREL_BINARY, {"--spaces-from=" + script});

    const QString i3Config = session.configFolder() + "/i3.conf";
    writeFile(i3Config, "# i3 config file (v4)\n"
                        "font pango:DejaVu Sans 10\n"
                        "bar {\n    position top\n    tray_output screen\n}\n");
    session.launch("i3", {"-c", i3Config});

    const QColor red = onBlackBar(QColor("#FF6B6B"));
    const QColor blue = onBlackBar(QColor("#6BA3FF"));
    QTRY_VERIFY2_WITH_TIMEOUT(pixelsNear(session.grab(barArea), red) > 20,
                              vantorel.readAllStandardError().right(2000).constData(), 15000);
    QCOMPARE(pixelsNear(session.grab(barArea), blue), 0);
    session.grab(QRect(0, 0, 640, 480)).save(QDir::temp().filePath("vantorel-i3-tray-desktop1.png"));

    QElapsedTimer sinceSwitch;
    writeFile(script, "{\"spaces\": [1, 2], \"active\": 2}\n", QIODevice::Append);
    sinceSwitch.start();
    while (pixelsNear(session.grab(barArea), blue) <= 20 && sinceSwitch.elapsed() < 5000) {
        QTest::qWait(5);
    }
    const qint64 switchMs = sinceSwitch.elapsed();
    // A figure to read, not a limit to assert: timing belongs to benchmarks.
    qInfo("tray showed the new desktop's colour %lld ms after the reading", switchMs);
    QVERIFY(pixelsNear(session.grab(barArea), blue) > 20);
    QCOMPARE(pixelsNear(session.grab(barArea), red), 0);
    session.grab(QRect(0, 0, 640, 480)).save(QDir::temp().filePath("vantorel-i3-tray-desktop2.png"));
    QCOMPARE(vantorel.state(), QProcess::Running);
}

QTEST_GUILESS_MAIN(TestI3Tray)
#include "tst_i3tray.moc"
