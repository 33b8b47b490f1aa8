// i3blocks in i3's bar: the block shows the feed's label in its colour and follows a change.
#include "I3Bar.h"
#include "Screenshots.h"

#include <QFile>
#include <QTest>

namespace {

constexpr QRect barArea(0, 0, 640, 24);

void append(const QString& path, const QByteArray& line) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::Append));
    file.write(line + '\n');
}

} // namespace

class TestI3Blocks : public QObject {
    Q_OBJECT

private slots:
    void blockFollowsTheFeed();
};

void TestI3Blocks::blockFollowsTheFeed() {
    REQUIRE_PROGRAMS("Xvfb", "i3", "i3bar", "i3blocks");
    X11Session session;
    QString error;
    QVERIFY2(session.start(QSize(640, 480), &error), qPrintable(error));
    const QString feed = session.writeConfigFile(
        "feed.jsonl",
        R"({"full_text": "<span background='#ff0000' foreground='#ffffff'> Mail </span>", "markup": "pango"})"
        "\n");
    launchI3WithBlocks(session, "tail -n +1 -f " + feed);

    QTRY_VERIFY_WITH_TIMEOUT(boundsOfColour(session.grab(barArea), Qt::red).width() > 20, 15000);
    keepScreenshot(session.grab(barArea), "i3blocks-standin.png");
    append(feed,
           R"({"full_text": "<span background='#0000ff' foreground='#ffffff'> Chat </span>", "markup": "pango"})");
    QTRY_VERIFY_WITH_TIMEOUT(boundsOfColour(session.grab(barArea), Qt::blue).width() > 20, 15000);
    QVERIFY(boundsOfColour(session.grab(barArea), Qt::red).isEmpty());
}

QTEST_GUILESS_MAIN(TestI3Blocks)
#include "tst_i3blocks.moc"
