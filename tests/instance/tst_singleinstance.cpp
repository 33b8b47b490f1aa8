// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "instance/SingleInstance.h"

#include "DiagnosticsCapture.h"
#include "ForeignSocket.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <future>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

class TestSingleInstance : public QObject {
    Q_OBJECT

private slots:
    void secondStartHandsOverToTheFirst();
    void lockOfADeadInstanceDoesNotBlock();
    void refusesAFolderOthersCanEnter();
    void silentConnectionsDoNotCostTheSocket_data();
    void silentConnectionsDoNotCostTheSocket();
    void anotherUsersSocketIsNoInstance();
};

void TestSingleInstance::secondStartHandsOverToTheFirst() {
    QTemporaryDir runtime;
    const QString folder = runtime.filePath("vantorel");
    SingleInstance first(folder);
    QVERIFY(first.acquire());
    QVERIFY(first.listen());
    QSignalSpy activations(&first, &SingleInstance::activationRequested);

    SingleInstance second(folder);
    QString error;
    QVERIFY(!second.acquire(&error));
    QVERIFY(error.isEmpty());
    // The later start blocks while it waits for the answer, so it asks from another thread.
    std::future<bool> answered = std::async(std::launch::async, [&] { return second.askRunningInstanceToActivate(); });
    QTRY_COMPARE(activations.size(), 1);
    QVERIFY(answered.get());
}

void TestSingleInstance::lockOfADeadInstanceDoesNotBlock() {
    QTemporaryDir runtime;
    const QString folder = runtime.filePath("vantorel");
    const pid_t child = ::fork();
    if (child == 0) {
        SingleInstance crashing(folder);
        ::_exit(crashing.acquire() ? 0 : 1); // dies holding the lock, leaving its files behind
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    QCOMPARE(WEXITSTATUS(status), 0);
    QFile(folder + "/instance.socket").open(QIODevice::WriteOnly); // a socket file left by a crash

    SingleInstance next(folder);
    QVERIFY(next.acquire());
    QString error;
    QVERIFY2(next.listen(&error), qPrintable(error));
}

void TestSingleInstance::refusesAFolderOthersCanEnter() {
    QTemporaryDir runtime;
    const QString folder = runtime.filePath("vantorel");
    QVERIFY(::mkdir(QFile::encodeName(folder).constData(), 0755) == 0);
    ::chmod(QFile::encodeName(folder).constData(), 0755);
    SingleInstance instance(folder);
    QString error;
    QVERIFY(!instance.acquire(&error));
    QVERIFY(error.contains("not a private folder"));
}

void TestSingleInstance::silentConnectionsDoNotCostTheSocket_data() {
    QTest::addColumn<int>("spareDescriptors");
    QTest::addColumn<bool>("listenerFails");
    QTest::newRow("more to spare than silent connections are kept") << 40 << false;
    QTest::newRow("fewer: connections are dropped, the socket stays") << 4 << true;
}

void TestSingleInstance::silentConnectionsDoNotCostTheSocket() {
    QFETCH(int, spareDescriptors);
    QFETCH(bool, listenerFails);
    DiagnosticsCapture capture;
    QTemporaryDir runtime;
    const QString folder = runtime.filePath("vantorel");
    SingleInstance first(folder);
    QVERIFY(first.acquire());
    QVERIFY(first.listen());
    QSignalSpy activations(&first, &SingleInstance::activationRequested);

    const pid_t flooder = ::fork();
    if (flooder == 0) {
        for (int i = 0; i < 1200; ++i) {
            first.connectToRunningInstance(); // kept open, saying nothing
        }
        ::pause();
    }
    // The instance runs out of descriptors long before the flood ends.
    rlimit saved{};
    ::getrlimit(RLIMIT_NOFILE, &saved);
    const rlimit tight{rlim_t(QDir("/proc/self/fd").count() + spareDescriptors), saved.rlim_max};
    ::setrlimit(RLIMIT_NOFILE, &tight);
    const auto restore = qScopeGuard([&] {
        ::kill(flooder, SIGKILL);
        ::waitpid(flooder, nullptr, 0);
        ::setrlimit(RLIMIT_NOFILE, &saved);
    });
    QTest::qWait(500);
    std::future<bool> answered = std::async(std::launch::async, [&] {
        const SingleInstance second(folder);
        return second.askRunningInstanceToActivate() || second.askRunningInstanceToActivate();
    });
    QTRY_COMPARE_WITH_TIMEOUT(activations.size(), 1, 10000);
    QVERIFY(answered.get());
    QCOMPARE(!capture.systemLog.filter("⚠️ Out of descriptors: dropping connections on ").isEmpty(), listenerFails);
}

void TestSingleInstance::anotherUsersSocketIsNoInstance() {
    QTemporaryDir runtime;
    QVERIFY(::chmod(QFile::encodeName(runtime.path()).constData(), 0777) == 0);
    const ForeignSocket foreign(runtime.filePath("instance.socket"));
    if (!foreign.isRunning()) {
        QSKIP("only root can serve a socket as another user");
    }
    QCOMPARE(SingleInstance(runtime.path()).connectToRunningInstance(), -1);
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
