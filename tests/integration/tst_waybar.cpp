// waybar under a headless sway: its module custom/vantorel shows the feed's label in its colour and follows a change.
#include "DBusSession.h"
#include "PixelChecks.h"
#include "RequirePrograms.h"
#include "Screenshots.h"
#include "SwaySession.h"
#include "WaybarSession.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

void append(const QString& path, const QByteArray& line) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::Append));
    file.write(line + '\n');
}

} // namespace

class TestWaybar : public QObject {
    Q_OBJECT

private slots:
    void moduleFollowsTheFeed();
};

void TestWaybar::moduleFollowsTheFeed() {
    REQUIRE_PROGRAMS("sway", "swaymsg", "setpriv", "grim", "waybar", "dbus-daemon");
    SwaySession sway;
    DBusSession bus;
    QString error;
    QVERIFY2(sway.start({}, &error), qPrintable(error));
    QVERIFY2(bus.start(&error), qPrintable(error));

    // In the place and the form of the sheet Vantorel writes: one class per colour.
    const QString configHome = sway.clientConfigFolder();
    QVERIFY(QDir().mkpath(configHome + "/vantorel"));
    append(configHome + "/vantorel/waybar.css",
           "#custom-vantorel.mail { background: #ff0000; }\n#custom-vantorel.chat { background: #0000ff; }");
    const QString feed = configHome + "/feed.jsonl";
    append(feed, R"({"text": "Mail", "class": "mail"})");
    WaybarSession waybar;
    QVERIFY2(waybar.start(bus.withBus(sway.clientEnvironment()), "tail -n +1 -f " + feed, &error), qPrintable(error));

    const auto moduleArea = [&] {
        return sway.screenshot().copy(0, 0, 400, WaybarSession::height);
    };
    QTRY_VERIFY2_WITH_TIMEOUT(boundsOfColour(moduleArea(), Qt::red).width() > 20, qPrintable(waybar.log()), 15000);
    keepScreenshot(moduleArea(), "waybar-standin.png");
    append(feed, R"({"text": "Chat", "class": "chat"})");
    QTRY_VERIFY2_WITH_TIMEOUT(boundsOfColour(moduleArea(), Qt::blue).width() > 20, qPrintable(waybar.log()), 15000);
    QVERIFY(boundsOfColour(moduleArea(), Qt::red).isEmpty());
}

QTEST_GUILESS_MAIN(TestWaybar)
#include "tst_waybar.moc"
