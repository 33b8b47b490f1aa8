// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "windowserver/i3ipc/WorkspaceIdentity.h"

#include <QTest>

class TestWorkspaceIdentity : public QObject {
    Q_OBJECT

private slots:
    void numbersAreTheirOwnIdentity_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<SpaceID>("spaceID");
        QTest::newRow("number and name") << "3: mail" << SpaceID(3);
        QTest::newRow("zero") << "0" << SpaceID(0);
        QTest::newRow("leading zeros") << "007" << SpaceID(7);
        QTest::newRow("largest number") << "2147483647" << SpaceID(2147483647);
    }

    void numbersAreTheirOwnIdentity() {
        QFETCH(QString, name);
        QFETCH(SpaceID, spaceID);
        QCOMPARE(WorkspaceIdentity::spaceIDForName(name), spaceID);
        // What the window manager reports as "num" gives the same identity, whatever the rest of the name.
        QCOMPARE(WorkspaceIdentity::spaceID(spaceID, name + " (renamed)"), spaceID);
    }

    void namedWorkspacesRankAfterNumbersAndStayPut() {
        const SpaceID mail = WorkspaceIdentity::spaceIDForName(u"mail");
        // Stored settings refer to it: the same name must give the same SpaceID in every run and every build.
        QCOMPARE(mail, SpaceID(2258947342811531054));
        QCOMPARE(WorkspaceIdentity::spaceID(-1, u"mail"), mail);
        for (const QString& name : QStringList{"", "-3", "2147483648"}) {
            const SpaceID named = WorkspaceIdentity::spaceIDForName(name);
            QVERIFY2(named >= (SpaceID(1) << 32), qPrintable(name));
        }
        // A number beyond the window managers' range can't be one of theirs: it is a name.
        QCOMPARE(WorkspaceIdentity::spaceID(SpaceID(1) << 40, u"x"), WorkspaceIdentity::spaceIDForName(u"x"));
    }

    void commandsKeepTheIdentity_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("given");
        QTest::addColumn<QByteArray>("switchCommand");
        QTest::addColumn<QByteArray>("renameToChat");
        QTest::newRow("number") << "3"
                                << "" << QByteArray("workspace number 3")
                                << QByteArray("rename workspace \"3\" to \"3: Chat\"");
        QTest::newRow("number and name") << "3: mail "
                                         << "mail" << QByteArray("workspace number 3")
                                         << QByteArray("rename workspace \"3: mail \" to \"3: Chat\"");
        QTest::newRow("number glued to a name")
            << "4web"
            << "web" << QByteArray("workspace number 4") << QByteArray("rename workspace \"4web\" to \"4: Chat\"");
        QTest::newRow("name with quotes")
            << "my \"mail\" \\ box"
            << "my \"mail\" \\ box" << QByteArray("workspace \"my \\\"mail\\\" \\\\ box\"") << QByteArray();
    }

    void commandsKeepTheIdentity() {
        QFETCH(QString, name);
        QFETCH(QString, given);
        QFETCH(QByteArray, switchCommand);
        QFETCH(QByteArray, renameToChat);
        const SpaceID spaceID = WorkspaceIdentity::spaceIDForName(name);
        QCOMPARE(WorkspaceIdentity::givenName(name), given);
        QCOMPARE(WorkspaceIdentity::switchCommand(spaceID, name), switchCommand);
        QCOMPARE(WorkspaceIdentity::renameCommand(spaceID, name, u"Chat"), renameToChat);
    }
};

QTEST_APPLESS_MAIN(TestWorkspaceIdentity)
#include "tst_workspaceidentity.moc"
