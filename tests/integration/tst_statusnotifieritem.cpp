// The program on a private session bus whose panel hosts the StatusNotifierWatcher, offscreen: the item registers
// with the active desktop's name, and Quit from the exported menu ends the program with status 0.
#include "DBusSession.h"
#include "FakeStatusNotifierHost.h"
#include "RequirePrograms.h"
#include "statusbar/DBusTypes.h"

#include <QDBusArgument>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestStatusNotifierItem : public QObject {
    Q_OBJECT

private slots:
    void registersAndQuitsFromItsMenu();
};

void TestStatusNotifierItem::registersAndQuitsFromItsMenu() {
    REQUIRE_PROGRAMS("dbus-daemon");
    registerDBusTypes();
    DBusSession bus;
    QString error;
    QVERIFY2(bus.start(&error), qPrintable(error));
    FakeStatusNotifierHost panel(bus.address(), QStringLiteral("panel"));
    QVERIFY(panel.startWatcher());

    QTemporaryDir home;
    QTemporaryDir runtime;
    QFile script(home.filePath("spaces.jsonl"));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("{\"spaces\": [1, 2], \"active\": 2}\n");
    script.close();
    QProcessEnvironment environment = bus.withBus(QProcessEnvironment::systemEnvironment());
    environment.insert("XDG_CONFIG_HOME", home.path());
    environment.insert("XDG_RUNTIME_DIR", runtime.path());
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    QProcess vantorel;
    vantorel.setProcessEnvironment(environment);
    vantorel.setProcessChannelMode(QProcess::MergedChannels);
    vantorel.start(VANTOREL_BINARY, {"--spaces-from=" + script.fileName()});
    QVERIFY(vantorel.waitForStarted());

    QTRY_COMPARE_WITH_TIMEOUT(panel.registeredItems.size(), 1, 10000);
    const QString service = panel.registeredItems.constFirst();
    QCOMPARE(service, QStringLiteral("org.kde.StatusNotifierItem-%1-1").arg(vantorel.processId()));
    QTRY_COMPARE_WITH_TIMEOUT(panel.itemProperties(service).value("Title"), "Desktop 2", 10000);

    const QDBusMessage layout =
        panel.call(service, "/MenuBar", "com.canonical.dbusmenu", "GetLayout", {0, -1, QStringList{"label"}});
    int quitId = 0;
    for (const QVariant& child : qdbus_cast<DBusMenuLayout>(layout.arguments().value(1)).children) {
        const DBusMenuLayout entry = qdbus_cast<DBusMenuLayout>(child);
        if (entry.properties.value("label") == "Quit Vantorel") {
            quitId = entry.id;
        }
    }
    QVERIFY(quitId > 0);
    panel.call(service, "/MenuBar", "com.canonical.dbusmenu", "Event",
               {quitId, "clicked", QVariant::fromValue(QDBusVariant(QString())), 0u});
    QVERIFY(vantorel.waitForFinished(10000));
    const QString output = QString::fromUtf8(vantorel.readAll());
    QCOMPARE(vantorel.exitStatus(), QProcess::NormalExit);
    QCOMPARE(vantorel.exitCode(), 0);
    QVERIFY2(output.contains("✅ Status item shown by the StatusNotifierWatcher as " + service), qPrintable(output));
    QVERIFY2(!output.contains("No system tray"), qPrintable(output));
}

QTEST_GUILESS_MAIN(TestStatusNotifierItem)
#include "tst_statusnotifieritem.moc"
