#include "statusbar/DBusMenuExporter.h"

#include "MarkingFixture.h"
#include "PanelBus.h"
#include "marking/MarkDesktopsWindowController.h"
#include "platform/Updater.h"
#include "statusbar/StatusBarController.h"
#include "statusbar/StatusItem.h"

#include <QMenu>
#include <QTest>
#include <QTranslator>

namespace {

// Items shown nowhere: the menu goes out through the exporter alone.
class UnshownStatusBar : public StatusBar {
public:
    std::unique_ptr<StatusItem> statusItem() override {
        return std::make_unique<StatusItem>(std::make_unique<StatusBarButton>());
    }
};

// "1 Settings", "3 ---", "4 Quit Vantorel Control+q": an entry as a panel would draw it.
QString describe(const QVariant& entry) {
    const DBusMenuLayout layout = qdbus_cast<DBusMenuLayout>(entry);
    if (layout.properties.value("type") == "separator") {
        return QStringLiteral("%1 ---").arg(layout.id);
    }
    QString text = QStringLiteral("%1 %2").arg(layout.id).arg(layout.properties.value("label").toString());
    for (const QStringList& keys : qdbus_cast<DBusMenuShortcut>(layout.properties.value("shortcut"))) {
        text += ' ' + keys.join('+');
    }
    return text;
}

const QVariant noData = QVariant::fromValue(QDBusVariant(QString()));

} // namespace

// The status bar controller's menu exported on a private bus; the panel there calls it.
class Fixture {
public:
    Fixture()
        : marking({3, 5}, 5)
        , controller(updater, {*marking.spaceManager, marking.settings, marking.settingsCenter, marking.workspaceCenter,
                               statusBar}) {}

    bool start(QString* error, DBusMenuExporter::MenuBuilder builder = {}) {
        if (!panelBus.start(error, false)) {
            return false;
        }
        exporter = std::make_unique<DBusMenuExporter>(
            builder ? std::move(builder) : [this] { return controller.statusItem()->buildMenu(); });
        panelBus.connection.registerObject(DBusMenuExporter::objectPath, exporter.get());
        panelBus.panel->RegisterStatusNotifierItem(panelBus.connection.baseService()); // to hear its signals
        return true;
    }
    QDBusMessage call(const QString& method, const QVariantList& arguments) {
        return panelBus.panel->call(panelBus.connection.baseService(), DBusMenuExporter::objectPath,
                                    "com.canonical.dbusmenu", method, arguments);
    }
    QStringList layout() {
        const QDBusMessage reply = call("GetLayout", {0, -1, QStringList()});
        const DBusMenuLayout root = qdbus_cast<DBusMenuLayout>(reply.arguments().value(1));
        QStringList entries{QStringLiteral("revision %1").arg(reply.arguments().value(0).toUInt()),
                            root.properties.value("children-display").toString()};
        for (const QVariant& child : root.children) {
            entries.append(describe(child));
        }
        return entries;
    }

    MarkingFixture marking;
    UnshownStatusBar statusBar;
    Updater updater;
    StatusBarController controller;
    PanelBus panelBus;
    std::unique_ptr<DBusMenuExporter> exporter;
};

class TestDBusMenuExporter : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void offersTheStatusMenuAndSettingsOpensTheWindow();
    void labelsAndShortcutsAsDBusMenuWritesThem_data();
    void labelsAndShortcutsAsDBusMenuWritesThem();
    void changedMenuGetsANewRevision();
    void unknownRequestsAreReportedAndDoNothing_data();
    void unknownRequestsAreReportedAndDoNothing();

private:
    QTranslator m_english;
    QTemporaryDir m_configHome;
    FakeWindowServer m_windowServer;
};

void TestDBusMenuExporter::initTestCase() {
    QVERIFY(m_english.load("vantorel_en", ":/i18n"));
    QCoreApplication::installTranslator(&m_english);
    // The marking window opens on the program's shared managers.
    qputenv("XDG_CONFIG_HOME", m_configHome.path().toUtf8());
    m_windowServer.spaces = QList<qint64>{1, 2};
    WindowServer::setShared(&m_windowServer);
}

void TestDBusMenuExporter::offersTheStatusMenuAndSettingsOpensTheWindow() {
    Fixture fixture;
    QString error;
    QVERIFY2(fixture.start(&error), qPrintable(error));
    const QStringList expected{"revision 1",          "submenu", "1 Settings",
                               "2 Check for Updates", "3 ---",   "4 Quit Vantorel Control+q"};
    QCOMPARE(fixture.layout(), expected);
    QCOMPARE(fixture.layout(), expected); // built anew, the same
    const QDBusMessage group = fixture.call("GetGroupProperties", {QVariant::fromValue(QList<int>{3}), QStringList()});
    QCOMPARE(qdbus_cast<QList<DBusMenuItem>>(group.arguments().value(0)).value(0).properties,
             (QVariantMap{{"type", "separator"}, {"enabled", true}, {"visible", true}}));

    QCOMPARE(fixture.call("Event", {1, "clicked", noData, 0u}).type(), QDBusMessage::ReplyMessage);
    QTRY_VERIFY(fixture.controller.settingsWindowController() != nullptr);
    QVERIFY(fixture.controller.settingsWindowController()->window()->isVisible());
    QVERIFY(fixture.panelBus.panel->itemSignals.isEmpty());
}

void TestDBusMenuExporter::labelsAndShortcutsAsDBusMenuWritesThem_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::addColumn<QString>("expected");
    QTest::newRow("mnemonic, literal & and _") << "&Fish && Chips_2" << QKeySequence() << "1 _Fish & Chips__2";
    QTest::newRow("two modifiers, a function key")
        << "Reload" << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F5) << "1 Reload Control+Shift+F5";
    QTest::newRow("two presses") << "Chord" << QKeySequence(Qt::ALT | Qt::Key_X, QKeyCombination(Qt::Key_K))
                                 << "1 Chord Alt+x k";
}

void TestDBusMenuExporter::labelsAndShortcutsAsDBusMenuWritesThem() {
    QFETCH(QString, text);
    QFETCH(QKeySequence, shortcut);
    QFETCH(QString, expected);
    DBusMenuExporter exporter([&] {
        auto menu = std::make_unique<QMenu>();
        menu->addAction(text)->setShortcut(shortcut);
        return menu;
    });
    const DBusMenuLayout root = exporter.layout(DBusMenuExporter::rootId, -1, {});
    QCOMPARE(root.children.size(), 1);
    QCOMPARE(describe(root.children.constFirst()), expected);
}

void TestDBusMenuExporter::changedMenuGetsANewRevision() {
    QString label = "Settings";
    Fixture fixture;
    QString error;
    QVERIFY2(fixture.start(&error,
                           [&] {
                               auto menu = std::make_unique<QMenu>();
                               menu->addAction(label);
                               return menu;
                           }),
             qPrintable(error));
    QCOMPARE(fixture.call("AboutToShow", {0}).arguments(), QVariantList{false});
    QCOMPARE(fixture.call("AboutToShow", {0}).arguments(), QVariantList{false});
    label = "Einstellungen"; // another language
    QCOMPARE(fixture.call("AboutToShow", {0}).arguments(), QVariantList{true});
    QCOMPARE(fixture.layout(), (QStringList{"revision 2", "submenu", "1 Einstellungen"}));
    QCOMPARE(fixture.panelBus.panel->itemSignals.size(), 1);
    QCOMPARE(fixture.panelBus.panel->itemSignals.constFirst().member(), "LayoutUpdated");
    QCOMPARE(fixture.panelBus.panel->itemSignals.constFirst().arguments(), (QVariantList{2u, 0}));
}

void TestDBusMenuExporter::unknownRequestsAreReportedAndDoNothing_data() {
    QTest::addColumn<QString>("method");
    QTest::addColumn<QVariantList>("arguments");
    QTest::addColumn<QString>("expectedLine");
    QTest::addColumn<QVariantList>("expectedIdLists"); // what the reply lists; an error is no list
    const auto ids = [](QList<int> list) {
        return QVariant::fromValue(list);
    };
    QTest::newRow("click on an unknown entry") << "Event" << QVariantList{99, "clicked", noData, 0u}
                                               << "❌ Menu request for unknown entry 99" << QVariantList{};
    QTest::newRow("unknown event") << "Event" << QVariantList{1, "exploded", noData, 0u}
                                   << "❌ Unknown menu event 'exploded' for entry 1" << QVariantList{};
    QTest::newRow("garbled event") << "Event" << QVariantList{1, "a\nb" + QString(70, 'x'), noData, 0u}
                                   << "❌ Unknown menu event 'a\uFFFDb" + QString(61, 'x') + "…' for entry 1"
                                   << QVariantList{};
    QTest::newRow("property of an unknown entry")
        << "GetProperty" << QVariantList{-4, "label"} << "❌ Menu request for unknown entry -4" << QVariantList{};
    QTest::newRow("unknown property") << "GetProperty" << QVariantList{1, "colour"}
                                      << "❌ Menu request for unknown property 'colour' of entry 1" << QVariantList{};
    QTest::newRow("unknown entry about to be shown")
        << "AboutToShowGroup" << QVariantList{ids({0, 77})} << "❌ Menu request for unknown entry 77"
        << QVariantList{ids({}), ids({77})};
    QTest::newRow("unknown entry in a group of events")
        << "EventGroup"
        << QVariantList{QVariant::fromValue(
               QList<DBusMenuEvent>{{3, "clicked", QDBusVariant(0), 0}, {88, "clicked", QDBusVariant(0), 0}})}
        << "❌ Menu request for unknown entry 88" << QVariantList{ids({88})};
}

void TestDBusMenuExporter::unknownRequestsAreReportedAndDoNothing() {
    QFETCH(QString, method);
    QFETCH(QVariantList, arguments);
    QFETCH(QString, expectedLine);
    QFETCH(QVariantList, expectedIdLists);
    Fixture fixture;
    QString error;
    QVERIFY2(fixture.start(&error), qPrintable(error));
    fixture.layout();
    fixture.marking.capture.clear();

    const QDBusMessage reply = fixture.call(method, arguments);
    QCOMPARE(fixture.marking.capture.systemLog, QStringList{expectedLine});
    QCOMPARE(reply.type(), method == "GetProperty" ? QDBusMessage::ErrorMessage : QDBusMessage::ReplyMessage);
    QCOMPARE(reply.arguments().size(), method == "GetProperty" ? 1 : expectedIdLists.size());
    for (qsizetype i = 0; i < expectedIdLists.size(); ++i) {
        QCOMPARE(qdbus_cast<QList<int>>(reply.arguments().at(i)), expectedIdLists.at(i).value<QList<int>>());
    }
    QTest::qWait(10);
    QVERIFY(fixture.controller.settingsWindowController() == nullptr);
}

QTEST_MAIN(TestDBusMenuExporter)
#include "tst_dbusmenuexporter.moc"
