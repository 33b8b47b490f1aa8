// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

// The status menu in i3's bar: a click on the tray icon opens it, choosing Settings opens the marking window.
#include "I3Bar.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

constexpr QRect barArea(0, 0, 1024, 24);

int visibleWindowCount(const X11Session& session, const QStringList& search) {
    const QString found = session.run("xdotool", QStringList{"search", "--onlyvisible"} + search);
    return found.startsWith("failed") ? 0 : int(found.split('\n', Qt::SkipEmptyParts).size());
}

void saveScreenshot(const X11Session& session, const QString& name) {
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
    launchI3WithTray(session);
    const QString script = session.writeConfigFile("spaces.jsonl", "{\"spaces\": [1, 2], \"active\": 1}\n");
    QProcess& vantorel = session.launch(VANTOREL_BINARY, {"--spaces-from=" + script});

    QRect iconArea;
    QTRY_VERIFY_WITH_TIMEOUT(!(iconArea = trayIconOfColour(session.grab(barArea), QColor("#FF6B6B"))).isEmpty(), 15000);
    const QPoint icon = iconArea.center();
    // Vantorel's visible windows: the tray icon's, then a menu on top when one is open.
    const QStringList ownWindows{"--pid", QString::number(vantorel.processId())};
    const int withoutMenu = visibleWindowCount(session, ownWindows);
    const auto clickIcon = [&](const char* button) {
        session.run("xdotool", {"mousemove", QString::number(icon.x()), QString::number(icon.y()), "click", button});
    };
    for (const char* button : {"1", "3"}) { // left and right click open the same menu
        clickIcon(button);
        QTRY_COMPARE_WITH_TIMEOUT(visibleWindowCount(session, ownWindows), withoutMenu + 1, 5000);
        saveScreenshot(session, QStringLiteral("vantorel-i3-menu-button%1.png").arg(button));
        session.run("xdotool", {"key", "Escape"}); // dismissed: the menu goes, and the next click builds a new one
        QTRY_COMPARE_WITH_TIMEOUT(visibleWindowCount(session, ownWindows), withoutMenu, 5000);
    }

    clickIcon("1");
    QTRY_COMPARE_WITH_TIMEOUT(visibleWindowCount(session, ownWindows), withoutMenu + 1, 5000);
    session.run("xdotool", {"key", "Down", "Return"}); // the first entry: Settings
    QTRY_VERIFY_WITH_TIMEOUT(visibleWindowCount(session, {"--name", "Mark My Desktops"}) > 0, 10000);
    QTest::qWait(300);
    saveScreenshot(session, "vantorel-i3-settings-window.png");
    QCOMPARE(vantorel.state(), QProcess::Running);

    // Quit ends the program with status 0 and writes nothing.
    QFile settings(session.configFolder() + "/vantorel/app_settings.json");
    QVERIFY(settings.open(QIODevice::ReadOnly));
    const QByteArray stored = settings.readAll();
    settings.close();
    const int withWindow = visibleWindowCount(session, ownWindows);
    clickIcon("1");
    QTRY_COMPARE_WITH_TIMEOUT(visibleWindowCount(session, ownWindows), withWindow + 1, 5000);
    session.run("xdotool", {"key", "Up", "Return"}); // the last entry: Quit Vantorel
    QVERIFY(vantorel.waitForFinished(10000));
    QCOMPARE(vantorel.exitStatus(), QProcess::NormalExit);
    QCOMPARE(vantorel.exitCode(), 0);
    QVERIFY(settings.open(QIODevice::ReadOnly));
    QCOMPARE(settings.readAll(), stored);
}

QTEST_GUILESS_MAIN(TestI3Menu)
#include "tst_i3menu.moc"
