// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "feeds/LabelPublisher.h"

#include "DiagnosticsCapture.h"
#include "instance/SingleInstance.h"
#include "statusbar/StatusItem.h"

#include <QTemporaryDir>
#include <QTest>

#include <sys/socket.h>
#include <unistd.h>

// The publisher behind a real instance socket, with bar feeds as clients in the same event loop.
class TestLabelPublisher : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_instance = std::make_unique<SingleInstance>(m_runtime.filePath("vantorel"));
        QVERIFY(m_instance->acquire());
        QVERIFY(m_instance->listen());
        m_item = std::make_unique<StatusItem>(nullptr);
        show("Mail", "#6BA3FF");
        m_publisher = std::make_unique<LabelPublisher>(*m_item, nullptr);
        connect(m_instance.get(), &SingleInstance::subscriptionRequested, m_publisher.get(),
                &LabelPublisher::subscribe);
    }

    void cleanup() {
        m_publisher.reset();
        m_item.reset();
        m_instance.reset();
    }

    void sendsTheLabelAtOnceAndOnEveryChange() {
        DiagnosticsCapture capture;
        const auto waybar = subscribe("subscribe waybar\n");
        QCOMPARE(nextLine(*waybar), BarLabel({"Mail", "#6BA3FF"}).toWireLine());
        QCOMPARE(m_publisher->subscriberCount(BarFormat::Waybar), 1);

        show("Mail", "#6BA3FF", 1); // the same name and colour at another position: no line
        show("Mail", "#FF6B6B");
        show("Chat", "#FF6B6B");
        QCOMPARE(nextLine(*waybar), BarLabel({"Mail", "#FF6B6B"}).toWireLine());
        QCOMPARE(nextLine(*waybar), BarLabel({"Chat", "#FF6B6B"}).toWireLine());

        // A subscriber that goes away is forgotten, silently.
        capture.clear();
        waybar->disconnectFromServer();
        QTRY_COMPARE(m_publisher->subscriberCount(BarFormat::Waybar), 0);
        show("Docs", "#FF6B6B");
        QVERIFY(capture.all.isEmpty());
    }

    void dropsClientsThatSendGarbage_data() {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QByteArray>("afterFirstLine");
        QTest::newRow("unknown format") << QByteArray("subscribe lemonbar\n") << QByteArray();
        QTest::newRow("no line end") << QByteArray(300, 'x') << QByteArray();
        QTest::newRow("talking after subscribing") << QByteArray("subscribe plain\n") << QByteArray("activate\n");
    }

    void dropsClientsThatSendGarbage() {
        QFETCH(QByteArray, request);
        QFETCH(QByteArray, afterFirstLine);
        DiagnosticsCapture capture;
        const auto client = subscribe(request);
        if (!afterFirstLine.isEmpty()) {
            QCOMPARE(nextLine(*client), BarLabel({"Mail", "#6BA3FF"}).toWireLine());
            client->write(afterFirstLine);
        }
        QTRY_COMPARE(client->state(), QLocalSocket::UnconnectedState);
        QCOMPARE(m_publisher->subscriberCount(BarFormat::Plain) + m_publisher->subscriberCount(BarFormat::Waybar), 0);

        // The program goes on serving.
        const auto next = subscribe("subscribe plain\n");
        QCOMPARE(nextLine(*next), BarLabel({"Mail", "#6BA3FF"}).toWireLine());
    }

    void dropsASubscriberThatDoesNotRead() {
        DiagnosticsCapture capture;
        const int sleeper = m_instance->connectToRunningInstance();
        QVERIFY(::send(sleeper, "subscribe polybar\n", 18, 0) == 18);
        QTRY_COMPARE(m_publisher->subscriberCount(BarFormat::Polybar), 1);
        // Each label is about 8 KiB: the system's buffer takes a couple of hundred KiB, the program's no more than 64.
        for (int change = 0; change < 1000 && m_publisher->subscriberCount(BarFormat::Polybar) == 1; ++change) {
            show(QString(8192, QChar(u'a' + change % 2)), "#6BA3FF");
            QCoreApplication::processEvents();
        }
        QCOMPARE(m_publisher->subscriberCount(BarFormat::Polybar), 0);
        QVERIFY(capture.systemLog.contains("🗑️ Dropped a bar feed that does not read"));
        ::close(sleeper);
    }

    void dropsSubscribersBeyondTheLimit() {
        DiagnosticsCapture capture;
        std::vector<std::unique_ptr<QLocalSocket>> feeds;
        for (qsizetype i = 0; i < LabelPublisher::mostSubscribers; ++i) {
            feeds.push_back(subscribe("subscribe plain\n"));
            QVERIFY(!nextLine(*feeds.back()).isEmpty());
        }
        const auto oneTooMany = subscribe("subscribe plain\n");
        QTRY_COMPARE(oneTooMany->state(), QLocalSocket::UnconnectedState);
        QCOMPARE(m_publisher->subscriberCount(BarFormat::Plain), LabelPublisher::mostSubscribers);
        QVERIFY(capture.systemLog.contains("❌ Dropped a bar feed: 64 feeds are subscribed already"));
    }

private:
    void show(const QString& name, const QString& color, qint64 position = 0) {
        m_item->setLabel({name, color, position});
    }
    std::unique_ptr<QLocalSocket> subscribe(const QByteArray& request) {
        auto client = std::make_unique<QLocalSocket>();
        client->connectToServer(m_runtime.filePath("vantorel/instance.socket"));
        client->write(request);
        return client;
    }
    static QByteArray nextLine(QLocalSocket& client) {
        return QTest::qWaitFor([&client] { return client.canReadLine(); }) ? client.readLine() : QByteArray();
    }

    QTemporaryDir m_runtime;
    std::unique_ptr<SingleInstance> m_instance;
    std::unique_ptr<StatusItem> m_item;
    std::unique_ptr<LabelPublisher> m_publisher;
};

QTEST_MAIN(TestLabelPublisher)
#include "tst_labelpublisher.moc"
