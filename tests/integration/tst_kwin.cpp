// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

// Vantorel on a real KWin (kwin_x11 on a private X server and a private session bus), through KWin's D-Bus
// interface: the desktops by their UUIDs in KWin's order, KWin's own names for new Spaces, switches, desktops created
// and removed, names given in Vantorel, and switching from the panel's menu.
#include "FakeStatusNotifierHost.h"
#include "PanelSession.h"
#include "RequirePrograms.h"
#include "VantorelProcess.h"
#include "windowserver/kwin/KWinDesktops.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QTest>

namespace {

const QStringList uuids{"0b0c2a54-4d0e-4f5e-9a53-3f4b1d6c0001", "0b0c2a54-4d0e-4f5e-9a53-3f4b1d6c0002",
                        "0b0c2a54-4d0e-4f5e-9a53-3f4b1d6c0003", "0b0c2a54-4d0e-4f5e-9a53-3f4b1d6c0004"};

QString spaceID(const QString& uuid) {
    return QString::number(KWinDesktops::spaceIDOf(uuid));
}

} // namespace

class TestKWin : public QObject {
    Q_OBJECT

private slots:
    void followsKWinByItsDesktopIdentities();

private:
    QDBusMessage callManager(const QString& interface, const QString& method, const QVariantList& arguments);

    QDBusConnection m_bus{QString()};
};

QDBusMessage TestKWin::callManager(const QString& interface, const QString& method, const QVariantList& arguments) {
    QDBusMessage message = QDBusMessage::createMethodCall("org.kde.KWin", "/VirtualDesktopManager", interface, method);
    message.setArguments(arguments);
    return m_bus.call(message);
}

void TestKWin::followsKWinByItsDesktopIdentities() {
    REQUIRE_PROGRAMS("Xvfb", "dbus-daemon", "kwin_x11", "kwriteconfig5");
    // Plasma's session with KWin alone, its desktops given identities of our choosing and the third a name.
    PanelDesktop kde = PanelDesktop::named("kde");
    kde.startOrder = {{"kwin_x11"}};
    const QStringList keys{"Name_3", "Chat", "Id_1", uuids[0], "Id_2", uuids[1], "Id_3", uuids[2], "Id_4", uuids[3]};
    for (qsizetype i = 0; i < keys.size(); i += 2) {
        kde.settings.append(
            {"kwriteconfig5", "--file", "kwinrc", "--group", "Desktops", "--key", keys[i], keys[i + 1]});
    }
    PanelSession session(kde);
    VERIFY_STARTS(session.prepare(&error));
    FakeStatusNotifierHost panel(session.busAddress(), "panel");
    QVERIFY(panel.startWatcher());
    VERIFY_STARTS(session.startPanel(&error));
    m_bus = QDBusConnection::connectToBus(session.busAddress(), "kwin test");
    QTRY_VERIFY_WITH_TIMEOUT(m_bus.interface()->isServiceRegistered("org.kde.KWin").value(), 20000);

    QProcessEnvironment environment = session.environment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    VantorelProcess vantorel(environment);
    QVERIFY(vantorel.start());
    qsizetype mark = 0;
    VERIFY_SAYS(vantorel, "🔌 Following KWin's virtual desktops on the session bus", mark);
    VERIFY_SAYS(vantorel, "Created default config for Space ID " + spaceID(uuids[2]) + ": name='Chat'", mark);
    VERIFY_SAYS(vantorel, "Updating status bar: Space ID=" + spaceID(uuids[0]), mark);

    const QString manager = "org.kde.KWin.VirtualDesktopManager";
    const auto kwinProperty = [&](const QString& name) {
        return callManager("org.freedesktop.DBus.Properties", "Get", {manager, name})
            .arguments()
            .value(0)
            .value<QDBusVariant>()
            .variant();
    };
    mark = vantorel.lines().size();
    callManager("org.freedesktop.DBus.Properties", "Set",
                {manager, "current", QVariant::fromValue(QDBusVariant(uuids[2]))});
    VERIFY_SAYS(vantorel, "Updating status bar: Space ID=" + spaceID(uuids[2]) + ", Index=2,", mark);

    // A desktop made in KWin, placed first: the others keep their identities.
    mark = vantorel.lines().size();
    callManager(manager, "createDesktop", {0u, "Music"});
    VERIFY_SAYS(vantorel, "➕ New Spaces detected", mark);
    VERIFY_SAYS(vantorel, "name='Music'", mark);
    QVERIFY(vantorel.lines().mid(mark).filter("➖").isEmpty());

    mark = vantorel.lines().size();
    callManager(manager, "removeDesktop", {uuids[3]});
    VERIFY_SAYS(vantorel, "➖ Deleted Spaces: [" + spaceID(uuids[3]) + "]", mark);
    QVERIFY(vantorel.lines().filter("❌").filter("KWin").isEmpty());

    // A name given in Vantorel becomes KWin's; the menu's entries follow KWin's order, the new desktop first.
    QVERIFY(runProgram(VANTOREL_BINARY, {"rename", "2", "Inbox"}, environment).succeeded);
    const auto secondInKWin = [&] {
        return KWinDesktops::decode(kwinProperty("desktops")).value_or(QList<KWinDesktops::Desktop>()).value(1).name;
    };
    QTRY_COMPARE_WITH_TIMEOUT(secondInKWin(), QString("Inbox"), 5000);
    QVERIFY(!panel.registeredItems.isEmpty());
    mark = vantorel.lines().size();
    panel.clickMenuEntry(panel.registeredItems.first().section('/', 0, 0), 2);
    VERIFY_SAYS(vantorel, "Updating status bar: Space ID=" + spaceID(uuids[0]) + ", Index=1, Name=Inbox", mark);
    QCOMPARE(kwinProperty("current").toString(), uuids[0]);
    QCOMPARE(vantorel.stop(), 0);
}

QTEST_GUILESS_MAIN(TestKWin)
#include "tst_kwin.moc"
