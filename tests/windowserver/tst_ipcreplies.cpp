// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "windowserver/i3ipc/IpcReplies.h"

#include "windowserver/i3ipc/WorkspaceIdentity.h"

#include <QTest>

class TestIpcReplies : public QObject {
    Q_OBJECT

private slots:
    void readsWorkspaces() {
        // As sway sends them, with fields of its own.
        const QByteArray payload = R"([
        {"id": 4, "num": 2, "name": "2: web", "focused": false, "visible": true, "type": "workspace"},
        {"id": 9, "num": -1, "name": "mail", "focused": true, "visible": true, "output": "HEADLESS-1"},
        {"id": 7, "num": 1, "name": "1", "focused": false, "visible": false}
    ])";
        const IpcReplies::Parsed<IpcReplies::Workspaces> parsed = IpcReplies::workspaces(payload);
        QVERIFY2(parsed.value, qPrintable(parsed.error));
        const SpaceID mail = WorkspaceIdentity::spaceIDForName(u"mail");
        QCOMPARE(parsed.value->spaceIDs, (QList<SpaceID>{2, mail, 1}));
        QCOMPARE(parsed.value->focused, std::optional(mail));

        const auto unfocused = IpcReplies::workspaces(R"([{"num": 1, "name": "1", "focused": false}])");
        QCOMPARE(unfocused.value->focused, std::optional<SpaceID>());
        QCOMPARE(IpcReplies::workspaces("[]").value->spaceIDs, QList<SpaceID>());
    }

    void rejectsWorkspaces_data() {
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<QString>("error");
        QTest::newRow("not JSON") << QByteArray("i3-ipc") << "line 1";
        QTest::newRow("an object") << QByteArray(R"({"num": 1})") << "array";
        QTest::newRow("fractional num") << QByteArray(R"([{"num": 1.0, "name": "1", "focused": true}])") << "\"num\"";
        QTest::newRow("num beyond 64 bits")
            << QByteArray(R"([{"num": 99999999999999999999, "name": "1", "focused": true}])") << "\"num\"";
        QTest::newRow("no focused") << QByteArray(R"([{"num": 1, "name": "1"}])") << "\"focused\"";
        QTest::newRow("name not a string") << QByteArray(R"([{"num": 1, "name": 1, "focused": true}])") << "\"name\"";
    }

    void rejectsWorkspaces() {
        QFETCH(QByteArray, payload);
        QFETCH(QString, error);
        const auto parsed = IpcReplies::workspaces(payload);
        QVERIFY(!parsed.value);
        QVERIFY2(parsed.error.contains(error), qPrintable(parsed.error));
    }

    void readsTheOtherReplies() {
        QCOMPARE(IpcReplies::subscribed(R"({"success": true})").value, std::optional(true));
        QCOMPARE(IpcReplies::subscribed(R"({"success": false})").value, std::optional(false));
        QVERIFY(!IpcReplies::subscribed(R"({"success": "yes"})").value);
        QCOMPARE(IpcReplies::configText(R"({"config": "set $mod Mod4\n"})").value,
                 std::optional<QString>("set $mod Mod4\n"));
        QVERIFY(!IpcReplies::configText(R"(["config"])").value);
        const auto focus =
            IpcReplies::event(R"({"change": "focus", "current": {"num": -1, "name": "mail"}, "old": null})");
        QCOMPARE(focus.value->change, QString("focus"));
        QCOMPARE(focus.value->current, std::optional(WorkspaceIdentity::spaceIDForName(u"mail")));
        QCOMPARE(IpcReplies::event(R"({"change": "reload", "current": null})").value->current,
                 std::optional<SpaceID>());
        QCOMPARE(IpcReplies::event(R"({"change": "restart"})").value->change, QString("restart"));
        QVERIFY(!IpcReplies::event(R"({"current": {}})").value);
    }
};

QTEST_APPLESS_MAIN(TestIpcReplies)
#include "tst_ipcreplies.moc"
