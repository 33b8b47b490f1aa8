// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "feeds/WaybarStyleSheet.h"

#include "DiagnosticsCapture.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestWaybarStyleSheet : public QObject {
    Q_OBJECT

private slots:
    void listsThePaletteAndEveryDesktopColourOnce() {
        // The palette's 8, and colours written as the status bar reads them: a custom one, one in the palette in
        // another spelling, garbage.
        const QByteArray sheet = WaybarStyleSheet::content({"#123456", " 6bcf7f", "#80123456", "garbage", "#123456"});
        QCOMPARE(sheet.count("#custom-vantorel."), 10);
        QVERIFY(sheet.contains("#custom-vantorel.vantorel-123456 {\n    background-color: rgba(18, 52, 86, 0.9);"));
        QVERIFY(sheet.contains("#custom-vantorel.vantorel-000000 {"));
    }

    void writesOnlyWhenTheContentChanges() {
        QTemporaryDir home;
        DiagnosticsCapture capture;
        const QString path = home.filePath("vantorel/waybar.css");
        WaybarStyleSheet sheet(path);
        AppSettings settings;
        settings.spaces[1] = {1, "Mail", "#FF6B6B"};
        sheet.update(settings);
        QCOMPARE(readAll(path), WaybarStyleSheet::content({}));

        settings.spaces[1].name = "Chat"; // the sheet knows colours only
        sheet.update(settings);
        settings.spaces[1].color = "#654321";
        sheet.update(settings);
        QCOMPARE(readAll(path), WaybarStyleSheet::content({"#654321"}));
        QCOMPARE(capture.systemLog.filter("💾 Waybar style sheet written: " + path).size(), 2);
    }

    void replacesWhatIsNotARegularFile() {
        QTemporaryDir home;
        DiagnosticsCapture capture;
        const QString path = home.filePath("waybar.css");
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0); // an ordinary open would wait for ever
        WaybarStyleSheet(path).update(AppSettings());
        QCOMPARE(readAll(path), WaybarStyleSheet::content({}));
        QCOMPARE(capture.systemLog.first(), "❌ Replacing the waybar style sheet " + path + ": not a regular file");
    }
};

QTEST_GUILESS_MAIN(TestWaybarStyleSheet)
#include "tst_waybarstylesheet.moc"
