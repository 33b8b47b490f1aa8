// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "feeds/WaybarStyleSheet.h"

#include "DiagnosticsCapture.h"
#include "settings/DefaultsStore.h"
#include "settings/SettingsManager.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A replaced file is a new file: AtomicFile renames a fresh one over it.
ino_t inode(const QString& path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
}

} // namespace

class TestWaybarStyleSheet : public QObject {
    Q_OBJECT

private slots:
    void listsThePaletteAndEveryDesktopColourOnce();
    void writesOnlyWhenTheContentChanges();
    void replacesWhatIsNotARegularFile();
};

void TestWaybarStyleSheet::listsThePaletteAndEveryDesktopColourOnce() {
    const QByteArray paletteOnly = WaybarStyleSheet::content({});
    QCOMPARE(paletteOnly.count("#custom-vantorel."), 8);
    QVERIFY(paletteOnly.contains("#custom-vantorel.vantorel-ff6b6b {\n"
                                 "    background-color: rgba(255, 107, 107, 0.9);\n"
                                 "    color: #ffffff;\n"
                                 "    border-radius: 4px;\n"
                                 "    padding: 0 4px;\n"
                                 "}\n"));

    // Written as the status bar reads them: a custom colour, one in the palette in another spelling, garbage.
    const QByteArray sheet = WaybarStyleSheet::content({"#123456", " 6bcf7f", "#80123456", "garbage", "#123456"});
    QCOMPARE(sheet.count("#custom-vantorel."), 10);
    QVERIFY(sheet.contains("#custom-vantorel.vantorel-123456 {\n    background-color: rgba(18, 52, 86, 0.9);"));
    QVERIFY(sheet.contains("#custom-vantorel.vantorel-000000 {"));
}

void TestWaybarStyleSheet::writesOnlyWhenTheContentChanges() {
    QTemporaryDir home;
    DiagnosticsCapture capture;
    DefaultsStore store(home.filePath("vantorel"));
    NotificationCenter center;
    SettingsManager settings(store, center);
    settings.getOrCreateConfig(1, 0);
    const QString path = home.filePath("vantorel/waybar.css");
    WaybarStyleSheet sheet(settings, center, path);

    sheet.update();
    QCOMPARE(readAll(path), WaybarStyleSheet::content({}));
    const ino_t first = inode(path);
    sheet.update();
    QCOMPARE(inode(path), first);

    // A settings change rewrites the sheet only for a new colour.
    settings.updateConfig(1, QString("Chat"), std::nullopt);
    QCOMPARE(inode(path), first);
    settings.updateConfig(1, std::nullopt, QString("#654321"));
    QCOMPARE(readAll(path), WaybarStyleSheet::content({"#654321"}));
    QCOMPARE(capture.systemLog.filter("💾 Waybar style sheet written: " + path).size(), 2);
}

void TestWaybarStyleSheet::replacesWhatIsNotARegularFile() {
    QTemporaryDir home;
    DiagnosticsCapture capture;
    DefaultsStore store(home.path());
    NotificationCenter center;
    SettingsManager settings(store, center);
    const QString path = home.filePath("waybar.css");
    QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0); // an ordinary open would wait for ever
    WaybarStyleSheet(settings, center, path).update();
    QCOMPARE(readAll(path), WaybarStyleSheet::content({}));
    QCOMPARE(capture.systemLog.first(), "❌ Replacing the waybar style sheet " + path + ": not a regular file");
}

QTEST_GUILESS_MAIN(TestWaybarStyleSheet)
#include "tst_waybarstylesheet.moc"
