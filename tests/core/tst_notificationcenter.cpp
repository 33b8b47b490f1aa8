// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "core/NotificationCenter.h"

#include <QTest>

class TestNotificationCenter : public QObject {
    Q_OBJECT

private slots:
    void deliversSynchronouslyByName();
    void skipsObserversWhoseContextIsGone();
    void observersMayChangeRegistrationsWhilePosting();
};

void TestNotificationCenter::deliversSynchronouslyByName() {
    NotificationCenter center;
    QObject context;
    QStringList calls;
    center.addObserver("A", &context, [&] { calls << "first A"; });
    center.addObserver("B", &context, [&] { calls << "B"; });
    const auto token = center.addObserver("A", &context, [&] { calls << "second A"; });
    center.post("A");
    QCOMPARE(calls, QStringList({"first A", "second A"}));

    center.removeObserver(token);
    center.post("A");
    QCOMPARE(calls, QStringList({"first A", "second A", "first A"}));
}

void TestNotificationCenter::skipsObserversWhoseContextIsGone() {
    NotificationCenter center;
    int calls = 0;
    {
        QObject context;
        center.addObserver("A", &context, [&] { ++calls; });
    }
    center.post("A");
    QCOMPARE(calls, 0);
}

void TestNotificationCenter::observersMayChangeRegistrationsWhilePosting() {
    NotificationCenter center;
    QObject context;
    QStringList calls;
    NotificationCenter::ObserverToken second = 0;
    NotificationCenter::ObserverToken self = 0;
    self = center.addObserver("A", &context, [&] {
        calls << "first";
        center.removeObserver(self);
        center.removeObserver(second);
        center.addObserver("A", &context, [&] { calls << "added while posting"; });
    });
    second = center.addObserver("A", &context, [&] { calls << "second"; });
    center.post("A");
    QCOMPARE(calls, QStringList({"first"}));
    center.post("A");
    QCOMPARE(calls, QStringList({"first", "added while posting"}));
}

QTEST_APPLESS_MAIN(TestNotificationCenter)
#include "tst_notificationcenter.moc"
