// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "windowserver/scripted/ScriptedWindowServer.h"

#include "DiagnosticsCapture.h"
#include "Processes.h"

#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

// A script file in a temporary folder and a window server following it; every announcement records the state.
class Fixture {
public:
    Fixture()
        : path(folder.filePath("spaces.jsonl"))
        , server(path) {
        QObject::connect(&server, &WindowServer::activeSpaceDidChange, &server, [this] {
            const std::optional<QList<qint64>> spaces = server.copySpaces(1, 7);
            seen.append(QStringLiteral("%1 %2").arg(server.activeSpace(1)).arg(spaces ? spaces->size() : -1));
        });
    }

    void append(const QByteArray& text) { QVERIFY(writeFile(path, text, QIODevice::Append)); }

    QTemporaryDir folder;
    QString path;
    ScriptedWindowServer server;
    QStringList seen; // "active count" per announcement; count -1 for no list
    DiagnosticsCapture capture;
};

class TestScriptedWindowServer : public QObject {
    Q_OBJECT

private slots:
    void firstReadingIsTheStateAtStart() {
        Fixture fixture;
        fixture.append("{\"sleep\": 5}\n{\"spaces\": [5, 3], \"active\": 3}\n{\"spaces\": null, \"active\": 5}\n");
        QCOMPARE(fixture.server.open(), QString());
        QCOMPARE(fixture.server.activeSpace(1), quint64(3));
        QCOMPARE(fixture.server.copySpaces(1, 7), std::optional(QList<qint64>{5, 3}));
        QVERIFY(fixture.seen.isEmpty());

        fixture.server.start();
        QTRY_COMPARE(fixture.seen, QStringList{"5 -1"});
    }

    void followsLinesAppendedLater() {
        Fixture fixture;
        fixture.append("");
        QCOMPARE(fixture.server.open(), QString());
        QCOMPARE(fixture.server.copySpaces(1, 7), std::optional<QList<qint64>>()); // nothing read yet
        fixture.server.start();
        fixture.append("{\"spaces\": [1], \"active\": 1}\n{\"spaces\": [1, 2], \"act");
        QTRY_COMPARE(fixture.seen, QStringList{"1 1"});
        fixture.append("ive\": 2}\n");
        QTRY_COMPARE(fixture.seen, (QStringList{"1 1", "2 2"}));
    }

    void reportsAndSkipsBadLines_data() {
        QTest::addColumn<QByteArray>("overlong");
        QTest::newRow("a reading just over 1 MiB") << "{\"spaces\": [9], \"active\": 9}" + QByteArray(1024 * 1024, ' ');
        QTest::newRow("10 MB, reported once") << QByteArray(10'000'000, 'x');
    }

    void reportsAndSkipsBadLines() {
        QFETCH(QByteArray, overlong);
        Fixture fixture;
        fixture.append("{\"spaces\": [], \"active\": 0}\nnonsense\n\n{\"spaces\": [\"x\"], \"active\": 1}\n" +
                       overlong + "\n{\"spaces\": [7], \"active\": 7}\n");
        QCOMPARE(fixture.server.open(), QString());
        fixture.server.start();
        QTRY_COMPARE(fixture.seen, QStringList{"7 1"});
        QCOMPARE(fixture.capture.systemLog.size(), 3);
        QVERIFY(fixture.capture.systemLog.at(0).startsWith("❌ " + fixture.path + ":2: "));
        QVERIFY(fixture.capture.systemLog.at(1).startsWith("❌ " + fixture.path + ":4: "));
        QVERIFY(fixture.capture.systemLog.at(2).startsWith("❌ " + fixture.path + ":5: line too long"));
    }

    void followsAFileReplacedByRename() {
        Fixture fixture;
        fixture.append("{\"spaces\": [1], \"active\": 1}\n");
        QCOMPARE(fixture.server.open(), QString());
        fixture.server.start();
        const QString saved = fixture.folder.filePath("saved-by-an-editor");
        QVERIFY(writeFile(saved, "{\"spaces\": [1, 2], \"active\": 2}\n"));
        QVERIFY(std::rename(QFile::encodeName(saved).constData(), QFile::encodeName(fixture.path).constData()) == 0);
        QTRY_COMPARE(fixture.seen, QStringList{"2 2"});
    }

    void boundsTheSpaces() {
        Fixture fixture;
        QStringList spaces;
        for (int space = 1; space <= 1100; ++space) {
            spaces.append(QString::number(space));
        }
        fixture.append("{\"spaces\": [" + spaces.join(',').toLatin1() + "], \"active\": 1}\n");
        QCOMPARE(fixture.server.open(), QString());
        QCOMPARE(fixture.server.copySpaces(1, 7)->size(), 1024);
        QCOMPARE(fixture.capture.systemLog,
                 QStringList("⚠️ scripted window server: 1100 desktops, more than 1024; following the first 1024"));
    }
};

QTEST_GUILESS_MAIN(TestScriptedWindowServer)
#include "tst_scriptedwindowserver.moc"
