// polybar in an i3 session: its module shows the feed's label in its colour and follows a change.
#include "Polybar.h"
#include "Screenshots.h"

#include <QFile>
#include <QTest>

namespace {

void append(const QString& path, const QByteArray& line) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::Append));
    file.write(line + '\n');
}

} // namespace

class TestPolybar : public QObject {
    Q_OBJECT

private slots:
    void moduleFollowsTheFeed();
};

void TestPolybar::moduleFollowsTheFeed() {
    REQUIRE_PROGRAMS("Xvfb", "i3", "polybar");
    X11Session session;
    QString error;
    QVERIFY2(session.start(QSize(640, 480), &error), qPrintable(error));
    const QString feed = session.writeConfigFile("feed.txt", "%{B#ff0000}%{F#ffffff} Mail %{F-}%{B-}\n");
    QProcess& polybar = launchI3WithPolybar(session, "tail -n +1 -f " + feed);

    const auto bar = [&] {
        return session.grab(QRect(0, 0, 640, polybarHeight));
    };
    QTRY_VERIFY2_WITH_TIMEOUT(boundsOfColour(bar(), Qt::red).width() > 20,
                              polybar.readAllStandardError().right(2000).constData(), 15000);
    keepScreenshot(bar(), "polybar-standin.png");
    append(feed, "%{B#0000ff}%{F#ffffff} Chat %{F-}%{B-}");
    QTRY_VERIFY_WITH_TIMEOUT(boundsOfColour(bar(), Qt::blue).width() > 20, 15000);
    QVERIFY(boundsOfColour(bar(), Qt::red).isEmpty());
}

QTEST_GUILESS_MAIN(TestPolybar)
#include "tst_polybar.moc"
