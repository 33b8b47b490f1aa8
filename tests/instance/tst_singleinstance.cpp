// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "instance/SingleInstance.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <future>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

class TestSingleInstance : public QObject {
    Q_OBJECT

private slots:
    void secondStartHandsOverToTheFirst();
    void lockOfADeadInstanceDoesNotBlock();
    void refusesAFolderOthersCanEnter();
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

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
