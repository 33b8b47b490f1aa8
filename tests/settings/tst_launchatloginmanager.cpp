// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "settings/LaunchAtLoginManager.h"

#include "DiagnosticsCapture.h"
#include "settings/Autostart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString registered = "[Desktop Entry]\nType=Application\nName=Vantorel\nExec=/home/me/bin/vantorel\n";
const QString hidden = "[Desktop Entry]\nType=Application\nName=Vantorel\nExec=vantorel\nHidden=true\n";
const QString alreadyEnabled = "✅ Launch at login already enabled";

} // namespace

// An autostart folder in a temporary place, and what occupies a path there before the manager exists: nothing when
// the path is empty, a folder when it ends in '/', otherwise a file with the given content.
struct Fixture {
    explicit Fixture(const QString& occupant = {}, const QByteArray& content = {}) {
        const QDir base(home.path());
        QFile file(base.filePath(occupant));
        if (occupant.isEmpty() || occupant.endsWith('/')) {
            QVERIFY(occupant.isEmpty() || base.mkpath(occupant));
        } else {
            QVERIFY(base.mkpath(QFileInfo(occupant).path()) && file.open(QIODevice::WriteOnly));
            QCOMPARE(file.write(content), content.size());
        }
    }
    QString entry() const {
        QFile file(autostart.entryPath());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    QTemporaryDir home;
    Autostart autostart{home.path() + "/autostart", "/usr/bin/vantorel"};
    DiagnosticsCapture capture;
};

class TestLaunchAtLoginManager : public QObject {
    Q_OBJECT

private slots:
    void firstUseMirrorsTheRegistration_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("no entry") << QString() << false;
        QTest::newRow("registered") << registered << true;
        QTest::newRow("hidden, spaced, CRLF") << "[Desktop Entry]\r\nHidden = true\r\n" << false;
        QTest::newRow("off for GNOME") << "[Desktop Entry]\nX-GNOME-Autostart-enabled=false\n" << false;
        QTest::newRow("hidden in another group") << registered + "[Desktop Action Quit]\nHidden=true\n" << true;
    }

    void firstUseMirrorsTheRegistration() {
        QFETCH(QString, entry);
        QFETCH(bool, enabled);
        Fixture fixture(entry.isNull() ? "" : "autostart/vantorel.desktop", entry.toUtf8());
        LaunchAtLoginManager manager(fixture.autostart);
        QCOMPARE(manager.isEnabled(), enabled);
        QCOMPARE(fixture.capture.output, enabled ? QStringList{alreadyEnabled} : QStringList());
        QCOMPARE(fixture.entry(), entry); // read, never rewritten or removed
    }

    void assignment_data() {
        QTest::addColumn<QString>("occupant"); // what is in the autostart folder before: see Fixture
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("value");
        QTest::addColumn<QString>("line");      // <home> stands for the temporary folder
        QTest::addColumn<QString>("execAfter"); // null: no entry is left
        const QString entryPath = "autostart/vantorel.desktop";
        const QString enabled = "✅ Launch at login enabled";
        QTest::newRow("on, not registered") << QString() << QString() << true << enabled << "Exec=/usr/bin/vantorel";
        QTest::newRow("on, over a hidden entry") << entryPath << hidden << true << enabled << "Exec=/usr/bin/vantorel";
        QTest::newRow("on, registered") << entryPath << registered << true << alreadyEnabled
                                        << "Exec=/home/me/bin/vantorel";
        QTest::newRow("off, registered") << entryPath << registered << false << "🚫 Launch at login disabled"
                                         << QString();
        QTest::newRow("off leaves a hidden entry") << entryPath << hidden << false << QString() << "Exec=vantorel";
        QTest::newRow("on, refused: a file in the folder's place")
            << "autostart" << QString() << true
            << "❌ Failed to set launch at login: <home>/autostart: cannot create the folder" << QString();
    }

    void assignment() {
        QFETCH(QString, occupant);
        QFETCH(QString, entry);
        QFETCH(bool, value);
        QFETCH(QString, line);
        QFETCH(QString, execAfter);
        Fixture fixture(occupant, entry.toUtf8());
        LaunchAtLoginManager manager(fixture.autostart);
        const std::pair<bool, QString> before{manager.isEnabled(), fixture.entry()};
        QList<std::pair<bool, QString>> announced; // what an observer sees: nothing stored or registered yet
        connect(&manager, &LaunchAtLoginManager::objectWillChange, this, [&] {
            announced.append({manager.isEnabled(), fixture.entry()});
        });
        fixture.capture.clear();

        manager.setEnabled(value);
        QCOMPARE(announced, QList{before});
        QCOMPARE(manager.isEnabled(), value); // a refusal is not fed back
        QCOMPARE(fixture.capture.output,
                 line.isNull() ? QStringList() : QStringList{line.replace("<home>", fixture.home.path())});
        QCOMPARE(fixture.entry().split('\n').filter(QRegularExpression("^Exec=")),
                 execAfter.isNull() ? QStringList() : QStringList{execAfter});
    }
};

QTEST_GUILESS_MAIN(TestLaunchAtLoginManager)
#include "tst_launchatloginmanager.moc"
