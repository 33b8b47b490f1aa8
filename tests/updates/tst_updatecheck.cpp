// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "updates/UpdateCheck.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

Q_DECLARE_METATYPE(UpdateCheck::Outcome)

namespace {

// Answers every request on the loopback address with one canned response; a response may arrive slowly or never.
class FeedServer : public QObject {
public:
    explicit FeedServer(QByteArray response)
        : m_response(std::move(response)) {
        m_server.listen(QHostAddress::LocalHost);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            QTcpSocket* client = m_server.nextPendingConnection();
            connect(client, &QTcpSocket::readyRead, client, [this, client] {
                if (client->readAll().contains("\r\n\r\n") && !m_response.isEmpty()) {
                    client->write(m_response);
                    client->disconnectFromHost();
                }
            });
        });
    }
    QUrl url() const { return QUrl(QStringLiteral("http://127.0.0.1:%1/appcast.xml").arg(m_server.serverPort())); }

private:
    QTcpServer m_server;
    QByteArray m_response;
};

QByteArray httpResponse(const QByteArray& body, const QByteArray& status = "200 OK", const QByteArray& extra = {}) {
    return "HTTP/1.1 " + status +
           "\r\nContent-Type: application/rss+xml\r\nContent-Length: " + QByteArray::number(body.size()) +
           "\r\nConnection: close\r\n" + extra + "\r\n" + body;
}

QByteArray feedWithVersions(std::initializer_list<const char*> versions) {
    QByteArray items;
    for (const char* version : versions) {
        items += QByteArray("<item><enclosure url=\"https://example.org/") + version + "\" sparkle:version=\"" +
                 version + "\"/></item>";
    }
    return "<rss xmlns:sparkle=\"http://www.andymatuschak.org/xml-namespaces/sparkle\"><channel>" + items +
           "</channel></rss>";
}

// Checks against a feed that has 2 s to answer.
UpdateCheck::Result runCheck(const QUrl& feed) {
    UpdateCheck check(feed, "1.2.0");
    QSignalSpy finished(&check, &UpdateCheck::finished);
    check.start(2000);
    if (!finished.wait(7000)) {
        return {};
    }
    return finished.constFirst().constFirst().value<UpdateCheck::Result>();
}

} // namespace

class TestUpdateCheck : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qRegisterMetaType<UpdateCheck::Result>(); }

    void outcomes_data() {
        QTest::addColumn<QByteArray>("response");
        QTest::addColumn<UpdateCheck::Outcome>("outcome");
        QTest::addColumn<QString>("newest");
        using enum UpdateCheck::Outcome;
        QTest::newRow("newer") << httpResponse(feedWithVersions({"1.1", "1.10", "1.9"})) << UpdateAvailable << "1.10";
        QTest::newRow("equal") << httpResponse(feedWithVersions({"1.2.0"})) << UpToDate << "";
        QTest::newRow("oversized") << httpResponse(QByteArray(2 * 1024 * 1024, ' ') + feedWithVersions({"9.0"}))
                                   << Failed << "";
        QTest::newRow("server error") << httpResponse("", "500 Internal Server Error") << Failed << "";
        QTest::newRow("redirect off https")
            << httpResponse("", "302 Found", "Location: http://example.org/appcast.xml\r\n") << Failed << "";
        QTest::newRow("no answer in time") << QByteArray() << Failed << "";
    }

    void outcomes() {
        QFETCH(QByteArray, response);
        QFETCH(UpdateCheck::Outcome, outcome);
        QFETCH(QString, newest);
        FeedServer server(response);
        const UpdateCheck::Result result = runCheck(server.url());
        QCOMPARE(result.outcome, outcome);
        QCOMPARE(result.newest.version, newest);
        QCOMPARE(result.reason.isEmpty(), outcome != UpdateCheck::Outcome::Failed);
    }

    void onlySecureAddresses() {
        // Plain http to the loopback address is allowed: the feed server above answers there.
        QVERIFY(UpdateCheck::isAllowed(QUrl("https://example.org/appcast.xml")));
        QVERIFY(!UpdateCheck::isAllowed(QUrl("http://example.org/appcast.xml")));
        QVERIFY(!UpdateCheck::isAllowed(QUrl("file:///etc/passwd")));
        QCOMPARE(runCheck(QUrl()).outcome, UpdateCheck::Outcome::NotConfigured);
    }
};

QTEST_GUILESS_MAIN(TestUpdateCheck)
#include "tst_updatecheck.moc"
