// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "updates/Appcast.h"

#include <QTest>

namespace {

QByteArray feed(const QByteArray& items) {
    return R"(<?xml version="1.0"?>
<rss version="2.0" xmlns:sparkle="http://www.andymatuschak.org/xml-namespaces/sparkle"><channel><title>V</title>)" +
           items + "</channel></rss>";
}

} // namespace

class TestAppcast : public QObject {
    Q_OBJECT

private slots:
    void comparesVersions_data();
    void comparesVersions();
    void readsItems();
    void rejectsBrokenFeeds_data();
    void rejectsBrokenFeeds();
};

void TestAppcast::comparesVersions_data() {
    QTest::addColumn<QString>("newer");
    QTest::addColumn<QString>("older");
    QTest::newRow("numbers, not text") << QString("1.10") << "1.9";
    QTest::newRow("release beats candidate") << QString("1.2.0") << "1.2rc1";
    QTest::newRow("longer with a number") << QString("1.0.1") << "1.0";
    QTest::newRow("beyond 64 bits") << QString("1.100000000000000000000") << "1.99999999999999999999";
    QTest::newRow("text order") << QString("1.0rc2") << "1.0beta3";
}

void TestAppcast::comparesVersions() {
    QFETCH(QString, newer);
    QFETCH(QString, older);
    QCOMPARE(Appcast::compareVersions(newer, older), 1);
    QCOMPARE(Appcast::compareVersions(older, newer), -1);
    QCOMPARE(Appcast::compareVersions(newer, newer), 0);
    QCOMPARE(Appcast::compareVersions("1.01", "1.1"), 0);
}

void TestAppcast::readsItems() {
    const Appcast::Feed parsed = Appcast::parse(feed(R"(
        <item><title>Old</title>
            <enclosure url="https://example.org/0.9" sparkle:version="0.9" sparkle:shortVersionString="0.9 beta"/>
        </item>
        <item><title>New</title><link>https://example.org/news</link>
            <sparkle:version>2.1</sparkle:version>
            <sparkle:releaseNotesLink>https://example.org/notes</sparkle:releaseNotesLink>
            <enclosure url="https://example.org/2.1" sparkle:version="1.0" sparkle:os="linux-x86_64"/>
        </item>
        <item><title>Other system</title><enclosure url="x" sparkle:version="9.0" sparkle:os="windows"/></item>
        <item><title>No version</title><enclosure url="x"/></item>)"),
                                                "linux-x86_64");
    QCOMPARE(parsed.error, QString());
    QCOMPARE(parsed.items.size(), 2);
    QCOMPARE(parsed.items[0].shortVersion, "0.9 beta");
    const Appcast::Item newest = Appcast::newest(parsed.items).value();
    QCOMPARE(newest.title, "New");
    QCOMPARE(newest.version, "2.1"); // the element wins over the enclosure's attribute
    QCOMPARE(newest.shortVersion, "2.1");
    QCOMPARE(newest.downloadPage, QUrl("https://example.org/2.1"));
    QCOMPARE(newest.releaseNotes, QUrl("https://example.org/notes"));
}

void TestAppcast::rejectsBrokenFeeds_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("not RSS") << QByteArray("<html><body/></html>");
    QTest::newRow("cut short") << feed("<item><title>New</title>").left(120);
    QTest::newRow("entity expansion") << QByteArray(
        R"(<!DOCTYPE rss [<!ENTITY a "aaaaaaaaaa"><!ENTITY b "&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;">]>
<rss><channel><item><title>&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;</title></item></channel></rss>)");
}

void TestAppcast::rejectsBrokenFeeds() {
    QFETCH(QByteArray, bytes);
    const Appcast::Feed parsed = Appcast::parse(bytes, "linux-x86_64");
    QVERIFY(!parsed.error.isEmpty());
    QVERIFY(parsed.items.isEmpty());
}

QTEST_APPLESS_MAIN(TestAppcast)
#include "tst_appcast.moc"
