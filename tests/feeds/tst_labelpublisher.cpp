#include "feeds/LabelPublisher.h"

#include "DiagnosticsCapture.h"
#include "platform/SingleInstance.h"
#include "statusbar/StatusBarItemView.h"
#include "statusbar/StatusItem.h"

#include <QDeadlineTimer>
#include <QTemporaryDir>
#include <QTest>

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// A bar feed's end of the connection, read while the test runs the program's event loop.
class Client {
public:
    explicit Client(const SingleInstance& instance)
        : m_socket(instance.connectToRunningInstance()) {}
    ~Client() { close(); }

    bool send(const QByteArray& bytes) const {
        return ::send(m_socket, bytes.constData(), size_t(bytes.size()), MSG_NOSIGNAL) == bytes.size();
    }
    // The next line with its newline; nothing when the program closed the connection or nothing came in 10 s.
    std::optional<QByteArray> nextLine() {
        const QDeadlineTimer deadline(10000);
        while (!m_pending.contains('\n')) {
            if (deadline.hasExpired() || !receive()) {
                return std::nullopt;
            }
        }
        const qsizetype end = m_pending.indexOf('\n') + 1;
        const QByteArray line = m_pending.left(end);
        m_pending.remove(0, end);
        return line;
    }
    // Whether the program closes the connection within 10 s, whatever it sends before.
    bool isDropped() {
        const QDeadlineTimer deadline(10000);
        while (!deadline.hasExpired()) {
            if (!receive()) {
                return true;
            }
        }
        return false;
    }
    void close() {
        if (m_socket >= 0) {
            ::close(std::exchange(m_socket, -1));
        }
    }

private:
    // Runs the event loop a little and takes what arrived; false once the connection is closed.
    bool receive() {
        QCoreApplication::processEvents();
        pollfd readable{m_socket, POLLIN, 0};
        if (::poll(&readable, 1, 10) != 1) {
            return true;
        }
        char chunk[4096];
        const ssize_t count = ::recv(m_socket, chunk, sizeof(chunk), MSG_DONTWAIT);
        if (count > 0) {
            m_pending.append(chunk, count);
        }
        return count > 0;
    }

    int m_socket;
    QByteArray m_pending;
};

QByteArray wireLine(const QString& name, const QString& color) {
    return BarLabel{name, color}.toWireLine();
}

} // namespace

class TestLabelPublisher : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void sendsTheLabelAtOnceAndOnEveryChange();
    void dropsClientsThatSendGarbage_data();
    void dropsClientsThatSendGarbage();
    void dropsASubscriberThatDoesNotRead();

private:
    void show(const QString& name, const QString& color) {
        m_button->addSubview(new StatusBarItemView(name, color, ColorApplication::labelBackground));
    }

    std::unique_ptr<QTemporaryDir> m_runtime;
    std::unique_ptr<SingleInstance> m_instance;
    std::unique_ptr<StatusBarButton> m_button;
    std::unique_ptr<LabelPublisher> m_publisher;
};

void TestLabelPublisher::init() {
    m_runtime = std::make_unique<QTemporaryDir>();
    m_instance = std::make_unique<SingleInstance>(m_runtime->filePath("vantorel"));
    QVERIFY(m_instance->acquire());
    QVERIFY(m_instance->listen());
    m_button = std::make_unique<StatusBarButton>();
    show("Mail", "#6BA3FF");
    m_publisher = std::make_unique<LabelPublisher>(*m_button);
    connect(m_instance.get(), &SingleInstance::subscriptionRequested, m_publisher.get(), &LabelPublisher::subscribe);
}

void TestLabelPublisher::cleanup() {
    m_publisher.reset();
    m_button.reset();
    m_instance.reset();
    m_runtime.reset();
}

void TestLabelPublisher::sendsTheLabelAtOnceAndOnEveryChange() {
    DiagnosticsCapture quiet;
    Client waybar(*m_instance);
    QVERIFY(waybar.send("subscribe waybar\n"));
    QCOMPARE(waybar.nextLine(), wireLine("Mail", "#6BA3FF"));
    QCOMPARE(m_publisher->subscriberCount(BarFormat::Waybar), 1);
    QCOMPARE(m_publisher->subscriberCount(BarFormat::Polybar), 0);

    show("Mail", "#6BA3FF"); // the same label again: no line
    show("Mail", "#FF6B6B");
    show("Chat", "#FF6B6B");
    QCOMPARE(waybar.nextLine(), wireLine("Mail", "#FF6B6B"));
    QCOMPARE(waybar.nextLine(), wireLine("Chat", "#FF6B6B"));

    // A subscriber that goes away is forgotten, silently.
    quiet.clear();
    waybar.close();
    QTRY_COMPARE(m_publisher->subscriberCount(BarFormat::Waybar), 0);
    show("Docs", "#FF6B6B");
    QVERIFY(quiet.all.isEmpty());
}

void TestLabelPublisher::dropsClientsThatSendGarbage_data() {
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("afterFirstLine");
    QTest::newRow("no request") << QByteArray("garbage\n") << QByteArray();
    QTest::newRow("unknown format") << QByteArray("subscribe lemonbar\n") << QByteArray();
    QTest::newRow("no line end") << QByteArray(300, 'x') << QByteArray();
    QTest::newRow("more after the request") << QByteArray("subscribe waybar\n\x01\x02") << QByteArray();
    QTest::newRow("talking after subscribing") << QByteArray("subscribe plain\n") << QByteArray("activate\n");
}

void TestLabelPublisher::dropsClientsThatSendGarbage() {
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, afterFirstLine);
    DiagnosticsCapture capture;
    Client client(*m_instance);
    QVERIFY(client.send(request));
    if (!afterFirstLine.isEmpty()) {
        QCOMPARE(client.nextLine(), wireLine("Mail", "#6BA3FF"));
        QVERIFY(client.send(afterFirstLine));
    }
    QVERIFY(client.isDropped());
    QCOMPARE(m_publisher->subscriberCount(BarFormat::Plain) + m_publisher->subscriberCount(BarFormat::Waybar), 0);

    // The program goes on serving.
    Client next(*m_instance);
    QVERIFY(next.send("subscribe plain\n"));
    QCOMPARE(next.nextLine(), wireLine("Mail", "#6BA3FF"));
}

void TestLabelPublisher::dropsASubscriberThatDoesNotRead() {
    DiagnosticsCapture capture;
    Client sleeper(*m_instance);
    QVERIFY(sleeper.send("subscribe polybar\n"));
    QTRY_COMPARE(m_publisher->subscriberCount(BarFormat::Polybar), 1);
    // Each label is about 8 KiB: the system's buffer takes a couple of hundred KiB, the program's no more than 64.
    for (int change = 0; change < 1000 && m_publisher->subscriberCount(BarFormat::Polybar) == 1; ++change) {
        show(QString(8192, QChar(u'a' + change % 2)), "#6BA3FF");
        QCoreApplication::processEvents();
    }
    QCOMPARE(m_publisher->subscriberCount(BarFormat::Polybar), 0);
    QVERIFY(capture.systemLog.contains("🗑️ Dropped a bar feed that does not read"));
}

QTEST_MAIN(TestLabelPublisher)
#include "tst_labelpublisher.moc"
