// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

// Vantorel on a real KWin (kwin_x11 on a private X server and a private session bus), through KWin's D-Bus
// interface: the desktops by their UUIDs in KWin's order, KWin's own names for new Spaces, switches, desktops created
// and removed, names given in Vantorel, and switching from the panel's menu.
#include "DBusSession.h"
#include "FakeStatusNotifierHost.h"
#include "VantorelProcess.h"
#include "X11Session.h"
#include "windowserver/kwin/KWinDesktops.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDir>
#include <QRandomGenerator>
#include <QTest>

#include <csignal>
#include <unistd.h>

namespace {

const QStringList uuids{"0b0c2a54-4d0e-4f5e-9a53-3f4b1d6c0001", "0b0c2a54-4d0e-4f5e-9a53-3f4b1d6c0002",
                        "0b0c2a54-4d0e-4f5e-9a53-3f4b1d6c0003", "0b0c2a54-4d0e-4f5e-9a53-3f4b1d6c0004"};

QString spaceID(const QString& uuid) {
    return QString::number(KWinDesktops::spaceIDOf(uuid));
}

// Ends every process that carries `marker` in its environment, those the bus started on demand too.
void stopMarkedProcesses(const QByteArray& marker) {
    const QByteArray entry = '\0' + marker + '\0';
    for (const QString& name : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool isProcess = false;
        const pid_t pid = name.toInt(&isProcess);
        QFile environ(QStringLiteral("/proc/%1/environ").arg(name));
        if (isProcess && pid != getpid() && environ.open(QIODevice::ReadOnly) &&
            ('\0' + environ.readAll()).contains(entry)) {
            ::kill(pid, SIGTERM);
        }
    }
}

} // namespace

class TestKWin : public QObject {
    Q_OBJECT

private slots:
    void followsKWinByItsDesktopIdentities();
    void cleanup() { stopMarkedProcesses(m_marker); }

private:
    QDBusMessage callManager(const QString& interface, const QString& method, const QVariantList& arguments);

    QByteArray m_marker = "VANTOREL_KWIN_TEST=" + QByteArray::number(QRandomGenerator::global()->generate64(), 16);
    QDBusConnection m_bus{QString()};
};

QDBusMessage TestKWin::callManager(const QString& interface, const QString& method, const QVariantList& arguments) {
    QDBusMessage message = QDBusMessage::createMethodCall("org.kde.KWin", "/VirtualDesktopManager", interface, method);
    message.setArguments(arguments);
    return m_bus.call(message);
}

void TestKWin::followsKWinByItsDesktopIdentities() {
    REQUIRE_PROGRAMS("Xvfb", "dbus-daemon", "kwin_x11", "kwriteconfig5");
    QTemporaryDir home;
    // The bus starts services such as kglobalaccel5 with its own environment, which is this process's: they must
    // find the session's home and the marker there.
    for (const char* folder : {"home", "config", "data", "cache"}) {
        QDir(home.path()).mkpath(folder);
    }
    qputenv("HOME", home.filePath("home").toLocal8Bit());
    qputenv("XDG_DATA_HOME", home.filePath("data").toLocal8Bit());
    qputenv("XDG_CACHE_HOME", home.filePath("cache").toLocal8Bit());
    qputenv(m_marker.split('=')[0], m_marker.split('=')[1]);
    X11Session session;
    QString error;
    QVERIFY2(session.start(QSize(1024, 768), &error), qPrintable(error));
    qputenv("XDG_CONFIG_HOME", session.configFolder().toLocal8Bit());
    qputenv("DISPLAY", session.display().toLocal8Bit());
    DBusSession bus;
    QVERIFY2(bus.start(&error), qPrintable(error));
    QProcessEnvironment environment = bus.withBus(session.environment());
    for (const char* setting : {"QT_QPA_PLATFORM=xcb", "KDE_FULL_SESSION=true", "KDE_SESSION_VERSION=5",
                                "XDG_CURRENT_DESKTOP=KDE", "XDG_SESSION_TYPE=x11", "LIBGL_ALWAYS_SOFTWARE=1"}) {
        environment.insert(QString(setting).section('=', 0, 0), QString(setting).section('=', 1));
    }
    QStringList settings{"Number", "4", "Rows", "1", "Name_3", "Chat"};
    for (int desktop = 1; desktop <= 4; ++desktop) {
        settings << QStringLiteral("Id_%1").arg(desktop) << uuids[desktop - 1];
    }
    for (qsizetype i = 0; i < settings.size(); i += 2) {
        QProcess write;
        write.setProcessEnvironment(environment);
        write.start("kwriteconfig5",
                    {"--file", "kwinrc", "--group", "Desktops", "--key", settings[i], settings[i + 1]});
        QVERIFY(write.waitForFinished() && write.exitCode() == 0);
    }
    session.launch("kwin_x11", {}, environment);
    m_bus = QDBusConnection::connectToBus(bus.address(), "kwin test");
    QTRY_VERIFY_WITH_TIMEOUT(m_bus.interface()->isServiceRegistered("org.kde.KWin").value(), 20000);

    FakeStatusNotifierHost panel(bus.address(), "panel");
    QVERIFY(panel.startWatcher());
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    VantorelProcess vantorel(environment);
    QVERIFY(vantorel.start());
    qsizetype mark = 0;
    const auto says = [&](const QString& text) {
        return vantorel.waitForLine(text, mark) >= 0;
    };
    QVERIFY2(says("🔌 Following KWin's virtual desktops on the session bus"), vantorel.transcript());
    QVERIFY2(says("Created default config for Space ID " + spaceID(uuids[2]) + ": name='Chat'"), vantorel.transcript());
    QVERIFY2(says("Updating status bar: Space ID=" + spaceID(uuids[0])), vantorel.transcript());

    const QString manager = "org.kde.KWin.VirtualDesktopManager";
    mark = vantorel.lines().size();
    callManager("org.freedesktop.DBus.Properties", "Set",
                {manager, "current", QVariant::fromValue(QDBusVariant(uuids[2]))});
    QVERIFY2(says("Updating status bar: Space ID=" + spaceID(uuids[2]) + ", Index=2,"), vantorel.transcript());

    // A desktop made in KWin, placed first: the others keep their identities.
    mark = vantorel.lines().size();
    callManager(manager, "createDesktop", {0u, "Music"});
    QVERIFY2(says("➕ New Spaces detected") && says("name='Music'"), vantorel.transcript());
    QVERIFY(vantorel.lines().mid(mark).filter("➖").isEmpty());

    mark = vantorel.lines().size();
    callManager(manager, "removeDesktop", {uuids[3]});
    QVERIFY2(says("➖ Deleted Spaces: [" + spaceID(uuids[3]) + "]"), vantorel.transcript());
    QVERIFY(vantorel.lines().filter("❌").filter("KWin").isEmpty());

    // A name given in Vantorel becomes KWin's; the menu's entries follow KWin's order, the new desktop first.
    QProcess rename;
    rename.setProcessEnvironment(environment);
    rename.start(VANTOREL_BINARY, {"rename", "2", "Inbox"});
    QVERIFY(rename.waitForFinished(10000) && rename.exitCode() == 0);
    const auto kwinNames = [&] {
        const QDBusMessage reply = callManager("org.freedesktop.DBus.Properties", "Get", {manager, "desktops"});
        QStringList names;
        for (const KWinDesktops::Desktop& desktop :
             KWinDesktops::decode(reply.arguments().value(0).value<QDBusVariant>().variant())
                 .value_or(QList<KWinDesktops::Desktop>())) {
            names.append(desktop.name);
        }
        return names;
    };
    QTRY_COMPARE_WITH_TIMEOUT(kwinNames().value(1), QString("Inbox"), 5000);
    QVERIFY(!panel.registeredItems.isEmpty());
    mark = vantorel.lines().size();
    panel.clickMenuEntry(panel.registeredItems.first().section('/', 0, 0), 2);
    QVERIFY2(says("Updating status bar: Space ID=" + spaceID(uuids[0]) + ", Index=1, Name=Inbox"),
             vantorel.transcript());
    QCOMPARE(callManager("org.freedesktop.DBus.Properties", "Get", {manager, "current"})
                 .arguments()
                 .value(0)
                 .value<QDBusVariant>()
                 .variant()
                 .toString(),
             uuids[0]);
    QCOMPARE(vantorel.stop(), 0);
}

QTEST_GUILESS_MAIN(TestKWin)
#include "tst_kwin.moc"
