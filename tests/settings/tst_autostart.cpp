// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "settings/Autostart.h"

#include "RequirePrograms.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

class TestAutostart : public QObject {
    Q_OBJECT

private slots:
    void registersAValidEntry_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("exec");
        QTest::newRow("space") << "/opt/My Apps/vantorel"
                               << R"(Exec="/opt/My Apps/vantorel")";
        QTest::newRow("percent") << "/opt/100%/vantorel"
                                 << "Exec=/opt/100%%/vantorel";
        QTest::newRow("dollar, backslash") << R"(/opt/$5\a/vantorel)"
                                           << R"(Exec="/opt/\\$5\\\\a/vantorel")";
        // What QCoreApplication makes of a path with bytes that are not UTF-8: refused, not written.
        QTest::newRow("not UTF-8") << QString::fromUtf8("/opt/\xff/vantorel") << QString();
    }

    void registersAValidEntry() {
        QFETCH(QString, program);
        QFETCH(QString, exec);
        QTemporaryDir home;
        Autostart autostart(home.path() + "/config/autostart", program); // the folder does not exist yet
        if (exec.isNull()) {
            QVERIFY(autostart.registerEntry().endsWith(": the program's path is not valid UTF-8"));
            QVERIFY(!QFile::exists(autostart.entryPath()));
            return;
        }
        QCOMPARE(autostart.registerEntry(), QString());
        QCOMPARE(autostart.status(), Autostart::Status::Enabled);
        QFile entry(autostart.entryPath());
        QVERIFY(entry.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(entry.readAll()).split('\n').filter(QRegularExpression("^Exec=")),
                 QStringList{exec});

        REQUIRE_PROGRAMS("desktop-file-validate");
        QProcess validate;
        validate.setProcessChannelMode(QProcess::MergedChannels);
        validate.start("desktop-file-validate", {autostart.entryPath()});
        QVERIFY(validate.waitForFinished());
        QCOMPARE(validate.readAll(), QByteArray());
        QCOMPARE(validate.exitCode(), 0);
    }

    void unregisterFailsOnlyOnWhatCannotBeRemoved_data() {
        QTest::addColumn<QString>("occupant"); // a folder's path ends in '/'
        QTest::addColumn<QString>("error");
        QTest::newRow("a file in the folder's place") << "autostart" << QString();
        QTest::newRow("a folder in the entry's place") << "autostart/vantorel.desktop/keep/"
                                                       << "autostart/vantorel.desktop: Is a directory";
        QTest::newRow("a FIFO in the entry's place, which must not block the status")
            << "autostart/vantorel.desktop|" << QString();
    }

    void unregisterFailsOnlyOnWhatCannotBeRemoved() {
        QFETCH(QString, occupant);
        QFETCH(QString, error);
        QTemporaryDir home;
        const QDir base(home.path());
        if (occupant.endsWith('|')) {
            occupant.chop(1);
            QVERIFY(base.mkpath("autostart") &&
                    ::mkfifo(QFile::encodeName(base.filePath(occupant)).constData(), 0600) == 0);
        }
        QVERIFY(occupant.isNull() || QFile::exists(base.filePath(occupant)) ||
                (occupant.endsWith('/') ? base.mkpath(occupant)
                                        : QFile(base.filePath(occupant)).open(QIODevice::WriteOnly)));
        Autostart autostart(base.filePath("autostart"), "/usr/bin/vantorel");
        QCOMPARE(autostart.status(), Autostart::Status::NotRegistered);
        QCOMPARE(autostart.unregisterEntry(), error.isNull() ? error : base.filePath(error));
    }
};

QTEST_GUILESS_MAIN(TestAutostart)
#include "tst_autostart.moc"
