// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "settings/DefaultsStore.h"
#include "settings/SettingsDocument.h"

#include "DiagnosticsCapture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

class TestDefaultsStore : public QObject {
    Q_OBJECT

private slots:
    // Without XDG_CONFIG_HOME, which every integration test sets: the usual folder in the home.
    void standardFolderWithoutXdgConfigHome() {
        const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
        qunsetenv("XDG_CONFIG_HOME");
        const QString actual = DefaultsStore::standardFolder();
        qputenv("XDG_CONFIG_HOME", saved);
        QCOMPARE(actual, QDir::homePath() + "/.config/vantorel");
    }

    void writesReadsAndCopiesBlobs() {
        QTemporaryDir home;
        DefaultsStore store(home.path() + "/config/vantorel");
        QVERIFY(!store.data("app_settings"));

        const DefaultsStore::Result first = store.setData("app_settings", "first");
        QVERIFY2(first, qPrintable(first.error));
        QCOMPARE(first.path, home.path() + "/config/vantorel/app_settings.json");
        QCOMPARE(QFileInfo(store.folder()).permissions() & 0x7777, QFile::ReadOwner | QFile::WriteOwner |
                                                                       QFile::ExeOwner | QFile::ReadUser |
                                                                       QFile::WriteUser | QFile::ExeUser);
        QVERIFY(store.setData("app_settings", "second"));
        QCOMPARE(store.data("app_settings"), QByteArray("second"));

        const DefaultsStore::Result copy = store.copyAside("app_settings", "unreadable-1");
        QVERIFY2(copy, qPrintable(copy.error));
        QCOMPARE(copy.path, store.pathForKey("app_settings") + ".unreadable-1");
        QVERIFY(!store.copyAside("app_settings", "unreadable-1")); // never overwrites an earlier copy
        QCOMPARE(QDir(store.folder()).entryList(QDir::Files),
                 QStringList({"app_settings.json", "app_settings.json.unreadable-1"}));
    }

    void reportsAFailedWriteAndKeepsThePreviousBlob() {
        QTemporaryDir home;
        DefaultsStore store(home.path());
        QVERIFY(store.setData("app_settings", "previous"));

        // A full disk, as far as this process can tell, even for root.
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit tiny = saved;
        tiny.rlim_cur = 16;
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &tiny);
        const DefaultsStore::Result failed = store.setData("app_settings", QByteArray(4096, 'x'));
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);

        QVERIFY(!failed);
        QCOMPARE(failed.path, home.path() + "/app_settings.json");
        QCOMPARE(store.data("app_settings"), QByteArray("previous"));
        QCOMPARE(QDir(home.path()).entryList(QDir::Files), QStringList{"app_settings.json"});

        DefaultsStore blocked(home.path() + "/app_settings.json/vantorel"); // its folder would sit inside a file
        QVERIFY(!blocked.setData("app_settings", "x"));
    }

    void killedWriterAlwaysLeavesAWholeDocument() {
        QTemporaryDir home;
        for (int round = 0; round < 8; ++round) {
            QProcess writer;
            writer.start(SETTINGS_BURST_WRITER, {home.path()});
            QVERIFY(writer.waitForReadyRead(10000));
            QTest::qWait(static_cast<int>(QRandomGenerator::global()->bounded(5, 120)));
            writer.kill();
            QVERIFY(writer.waitForFinished(10000));

            QFile document(home.path() + "/app_settings.json");
            QVERIFY(document.open(QIODevice::ReadOnly));
            const SettingsDocument::DecodeResult decoded = SettingsDocument::decode(document.readAll());
            QVERIFY2(decoded.settings, qPrintable(QStringLiteral("round %1: %2").arg(round).arg(decoded.error)));
            QVERIFY(!decoded.settings->spaces.empty());
        }
        // A kill between write and rename leaves a temporary file; the next start clears those, and only those.
        for (const char* name : {"app_settings.json.Ab12Cd", "app_settings.json.unreadable-1"}) {
            QFile planted(home.path() + "/" + QLatin1String(name));
            QVERIFY(planted.open(QIODevice::WriteOnly));
        }
        DefaultsStore(home.path()).removeLeftovers("app_settings");
        QCOMPARE(QDir(home.path()).entryList(QDir::Files),
                 QStringList({"app_settings.json", "app_settings.json.unreadable-1"}));
    }

    // An ordinary open would wait on a FIFO for ever.
    void fifoReadsAsAbsent() {
        QTemporaryDir home;
        DefaultsStore store(home.path());
        const QString path = store.pathForKey("app_settings");
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        DiagnosticsCapture capture;
        QVERIFY(!store.data("app_settings"));
        QCOMPARE(capture.output, QStringList("❌ Ignoring " + path + ": not a regular file"));
        QVERIFY(store.setData("app_settings", "new"));
        QCOMPARE(store.data("app_settings"), QByteArray("new"));
    }

    // A link to a document kept elsewhere, not made yet: the document is made there and the link stays.
    void linkedFileIsWrittenThrough() {
        QTemporaryDir home;
        const QString target = home.path() + "/dotfiles.json";
        DefaultsStore store(home.path() + "/store");
        QVERIFY(QDir().mkpath(store.folder()));
        QVERIFY(QFile::link(target, store.pathForKey("app_settings")));
        QVERIFY(store.setData("app_settings", "new"));
        QVERIFY(QFileInfo(store.pathForKey("app_settings")).isSymLink());
        QFile file(target);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("new"));
    }
};

QTEST_GUILESS_MAIN(TestDefaultsStore)
#include "tst_defaultsstore.moc"
