// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

// A second start of Vantorel under a private X server with a window manager opens the running one's marking window.
#include "PixelChecks.h"
#include "X11Session.h"

#include <QDir>
#include <QFile>
#include <QTest>

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
    QCOMPARE(session.run("xdotool", {"search", "--name", "Mark My Desktops"}), "failed: ");

    QCOMPARE(session.run(VANTOREL_BINARY, {"--spaces-from=" + script}), QString());
    QString window;
    QTRY_VERIFY_WITH_TIMEOUT(
        !(window = session.run("xdotool", {"search", "--onlyvisible", "--name", "^Mark My Desktops$"}))
             .startsWith("failed"),
        10000);
    QVERIFY(session.run("xdotool", {"getwindowgeometry", window}).contains("Geometry: 680x560"));

    const QString screenshot = QDir::current().filePath("vantorel-second-start.png");
    QCOMPARE(session.run("import", {"-window", "root", screenshot}), QString());
    qInfo("screenshot: %s", qPrintable(screenshot));
    // The palette's red, from the first swatch of the first row to that of the third.
    const QRect red = boundsOf(session.grab(QRect(0, 0, 1024, 768)), [](QRgb p) { return p == qRgb(255, 107, 107); });
    QVERIFY(red.height() > 2 * 24 + 2 * 16 && red.width() > 16);
    QTRY_VERIFY_WITH_TIMEOUT(
        (firstOutput += first.readAllStandardOutput()).contains("🔄 Refreshing Spaces in settings window..."), 5000);
    QCOMPARE(first.state(), QProcess::Running);
}

QTEST_GUILESS_MAIN(TestSecondStart)
#include "tst_secondstart.moc"
