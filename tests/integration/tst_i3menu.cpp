// The status menu in i3's bar: a click on the tray icon opens it, choosing Settings opens the marking window.
#include "X11Session.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

constexpr QRect barArea(0, 0, 1024, 24);

// Where the icon of the given colour (at 0.9 opacity over the black bar) is, by its pixels.
QPoint iconCentre(const QImage& bar, QColor colour) {
    const QColor shown(qRound(colour.red() * 0.9), qRound(colour.green() * 0.9), qRound(colour.blue() * 0.9));
    QRect found;
    for (int y = 0; y < bar.height(); ++y) {
        for (int x = 0; x < bar.width(); ++x) {
            const QColor pixel = bar.pixelColor(x, y);
            if (std::abs(pixel.red() - shown.red()) <= 3 && std::abs(pixel.green() - shown.green()) <= 3 &&
                std::abs(pixel.blue() - shown.blue()) <= 3) {
                found |= QRect(x, y, 1, 1);
            }
        }
    }
    return found.isEmpty() ? QPoint() : found.center();
}

QStringList visibleWindows(X11Session& session, const QStringList& search) {
    QProcess xdotool;
    xdotool.setProcessEnvironment(session.environment());
    xdotool.start("xdotool", QStringList{"search", "--onlyvisible"} + search);
    xdotool.waitForFinished(5000);
    return QString::fromLatin1(xdotool.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}

void xdotool(X11Session& session, const QStringList& arguments) {
    QProcess process;
    process.setProcessEnvironment(session.environment());
    process.start("xdotool", arguments);
    process.waitForFinished(5000);
}

void saveScreenshot(X11Session& session, const QString& name) {
    session.grab(QRect(0, 0, 1024, 768)).save(QDir::temp().filePath(name));
}

} // namespace

class TestI3Menu : public QObject {
    Q_OBJECT

private slots:
    void clickOpensTheMenuAndSettingsOpensTheWindow();
};

void TestI3Menu::clickOpensTheMenuAndSettingsOpensTheWindow() {
    REQUIRE_PROGRAMS("Xvfb", "i3", "i3bar", "xdotool");
    X11Session session;
    QString error;
    QVERIFY2(session.start(QSize(1024, 768), &error), qPrintable(error));
    const QString i3Config = session.configFolder() + "/i3.conf";
    QFile config(i3Config);
    QVERIFY(config.open(QIODevice::WriteOnly));
    config.write(
        "# i3 config file (v4)\nfont pango:DejaVu Sans 10\nbar {\n    position top\n    tray_output screen\n}\n");
    config.close();
    session.launch("i3", {"-c", i3Config});
    const QString script = session.configFolder() + "/spaces.jsonl";
    QFile spaces(script);
    QVERIFY(spaces.open(QIODevice::WriteOnly));
    spaces.write("{\"spaces\": [1, 2], \"active\": 1}\n");
    spaces.close();
    QProcess& vantorel = session.launch(VANTOREL_BINARY, {"--spaces-from=" + script});

    QPoint icon;
    QTRY_VERIFY_WITH_TIMEOUT(!(icon = iconCentre(session.grab(barArea), QColor("#FF6B6B"))).isNull(), 15000);
    // Vantorel's visible windows: the tray icon's, then a menu on top when one is open.
    const QStringList ownWindows{"--pid", QString::number(vantorel.processId())};
    const qsizetype withoutMenu = visibleWindows(session, ownWindows).size();
    const auto clickIcon = [&](const char* button) {
        xdotool(session, {"mousemove", QString::number(icon.x()), QString::number(icon.y()), "click", button});
    };
    for (const char* button : {"1", "3"}) { // left and right click open the same menu
        clickIcon(button);
        QTRY_COMPARE_WITH_TIMEOUT(visibleWindows(session, ownWindows).size(), withoutMenu + 1, 5000);
        saveScreenshot(session, QStringLiteral("vantorel-i3-menu-button%1.png").arg(button));
        xdotool(session, {"key", "Escape"}); // dismissed: the menu goes, and the next click builds a new one
        QTRY_COMPARE_WITH_TIMEOUT(visibleWindows(session, ownWindows).size(), withoutMenu, 5000);
    }

    clickIcon("1");
    QTRY_COMPARE_WITH_TIMEOUT(visibleWindows(session, ownWindows).size(), withoutMenu + 1, 5000);
    xdotool(session, {"key", "Down", "Return"}); // the first entry: Settings
    QTRY_VERIFY_WITH_TIMEOUT(!visibleWindows(session, {"--name", "Mark My Desktops"}).isEmpty(), 10000);
    QTest::qWait(300);
    saveScreenshot(session, "vantorel-i3-settings-window.png");
    QCOMPARE(vantorel.state(), QProcess::Running);

    // Quit ends the program with status 0 and writes nothing.
    QFile settings(session.configFolder() + "/vantorel/app_settings.json");
    QVERIFY(settings.open(QIODevice::ReadOnly));
    const QByteArray stored = settings.readAll();
    settings.close();
    const qsizetype withWindow = visibleWindows(session, ownWindows).size();
    clickIcon("1");
    QTRY_COMPARE_WITH_TIMEOUT(visibleWindows(session, ownWindows).size(), withWindow + 1, 5000);
    xdotool(session, {"key", "Up", "Return"}); // the last entry: Quit Vantorel
    QVERIFY(vantorel.waitForFinished(10000));
    QCOMPARE(vantorel.exitStatus(), QProcess::NormalExit);
    QCOMPARE(vantorel.exitCode(), 0);
    QVERIFY(settings.open(QIODevice::ReadOnly));
    QCOMPARE(settings.readAll(), stored);
}

QTEST_GUILESS_MAIN(TestI3Menu)
#include "tst_i3menu.moc"
