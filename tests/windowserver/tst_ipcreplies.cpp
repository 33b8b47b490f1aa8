// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "windowserver/i3ipc/IpcReplies.h"

#include "windowserver/i3ipc/WorkspaceIdentity.h"

#include <QTest>

class TestIpcReplies : public QObject {
    Q_OBJECT

private slots:
    void rejectsWorkspaces_data() {
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<QString>("error");
        QTest::newRow("not JSON") << QByteArray("i3-ipc") << "line 1";
        QTest::newRow("an object") << QByteArray(R"({"num": 1})") << "array";
        QTest::newRow("no focused") << QByteArray(R"([{"num": 1, "name": "1"}])") << "\"focused\"";
    }

    void rejectsWorkspaces() {
        QFETCH(QByteArray, payload);
        QFETCH(QString, error);
        const auto parsed = IpcReplies::workspaces(payload);
        QVERIFY(!parsed.value);
        QVERIFY2(parsed.error.contains(error), qPrintable(parsed.error));
    }

    // The rest of what the replies carry is read by every connection to a window manager.
    void readsTheOtherReplies() {
        QVERIFY(!IpcReplies::subscribed(R"({"success": "yes"})").value);
        QVERIFY(!IpcReplies::configText(R"(["config"])").value);
        QVERIFY(!IpcReplies::event(R"({"current": {}})").value);
        // A workspace named without a number: the events alone would move the focus elsewhere.
        const auto focus =
            IpcReplies::event(R"({"change": "focus", "current": {"num": -1, "name": "mail"}, "old": null})");
        QCOMPARE(focus.value->current, std::optional(WorkspaceIdentity::spaceIDForName(u"mail")));
    }
};

QTEST_APPLESS_MAIN(TestIpcReplies)
#include "tst_ipcreplies.moc"
