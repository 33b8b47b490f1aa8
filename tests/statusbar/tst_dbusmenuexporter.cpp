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

const QString menuInterface = QStringLiteral("com.canonical.dbusmenu");

// Items shown nowhere: the menu goes out through the exporter alone.
class UnshownStatusBar : public StatusBar {
public:
    std::unique_ptr<StatusItem> statusItem() override {
        return std::make_unique<StatusItem>(std::make_unique<StatusBarButton>());
    }
};

// "1 Settings", "3 ---", "4 Quit Vantorel Control+q": an entry as a panel would draw it.
QString describe(const DBusMenuLayout& entry) {
    const QVariantMap& properties = entry.properties;
    if (properties.value("type") == "separator") {
        return QStringLiteral("%1 ---").arg(entry.id);
    }
    QString text = QStringLiteral("%1 %2").arg(entry.id).arg(properties.value("label").toString());
    for (const QStringList& keys : qdbus_cast<DBusMenuShortcut>(properties.value("shortcut"))) {
        text += QLatin1Char(' ') + keys.join(QLatin1Char('+'));
    }
    return text;
}

} // namespace

// The status bar controller's menu, exported on a private bus; a panel's connection calls it.
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
        if (!builder) {
            builder = [this] {
                return controller.statusItem()->buildMenu();
            };
        }
        exporter = std::make_unique<DBusMenuExporter>(std::move(builder));
        panelBus.connection.registerObject(DBusMenuExporter::objectPath, exporter.get());
        service = panelBus.connection.baseService();
        host = panelBus.panel.get();
        host->RegisterStatusNotifierItem(service); // to hear the menu's signals
        return true;
    }

    QDBusMessage callMenu(const QString& method, const QVariantList& arguments) {
        return host->call(service, DBusMenuExporter::objectPath, menuInterface, method, arguments);
    }
    QStringList entriesOfLayout() {
        const QDBusMessage reply = callMenu("GetLayout", {0, -1, QStringList()});
        const DBusMenuLayout root = qdbus_cast<DBusMenuLayout>(reply.arguments().value(1));
        QStringList entries{QStringLiteral("revision %1").arg(reply.arguments().value(0).toUInt()),
                            root.properties.value("children-display").toString()};
        for (const QVariant& child : root.children) {
            entries.append(describe(qdbus_cast<DBusMenuLayout>(child)));
        }
        return entries;
    }

    MarkingFixture marking;
    UnshownStatusBar statusBar;
    Updater updater;
    StatusBarController controller;
    PanelBus panelBus;
    std::unique_ptr<DBusMenuExporter> exporter;
    FakeStatusNotifierHost* host = nullptr;
    QString service;
};

class TestDBusMenuExporter : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void offersTheStatusMenuWithStableIds();
    void clickedSettingsOpensTheMarkingWindow();
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
    m_windowServer.active = 1;
    WindowServer::setShared(&m_windowServer);
}

void TestDBusMenuExporter::offersTheStatusMenuWithStableIds() {
    Fixture fixture;
    QString error;
    QVERIFY2(fixture.start(&error), qPrintable(error));
    const QStringList expected{"revision 1",          "submenu", "1 Settings",
                               "2 Check for Updates", "3 ---",   "4 Quit Vantorel Control+q"};
    QCOMPARE(fixture.entriesOfLayout(), expected);
    QCOMPARE(fixture.entriesOfLayout(), expected); // built anew, the same
    QVERIFY(fixture.host->itemSignals.isEmpty());

    const QDBusMessage labels = fixture.callMenu(
        "GetGroupProperties", {QVariant::fromValue(QList<int>{1, 3}), QStringList{"label", "enabled", "visible"}});
    const auto items = qdbus_cast<QList<DBusMenuItem>>(labels.arguments().value(0));
    QCOMPARE(items.size(), 2);
    QCOMPARE(items.at(0).properties, (QVariantMap{{"label", "Settings"}, {"enabled", true}, {"visible", true}}));
    QCOMPARE(items.at(1).properties, (QVariantMap{{"enabled", true}, {"visible", true}}));
}

void TestDBusMenuExporter::clickedSettingsOpensTheMarkingWindow() {
    Fixture fixture;
    QString error;
    QVERIFY2(fixture.start(&error), qPrintable(error));
    fixture.entriesOfLayout();
    fixture.marking.capture.clear();
    const QDBusMessage reply =
        fixture.callMenu("Event", {1, "clicked", QVariant::fromValue(QDBusVariant(QString())), 0u});
    QCOMPARE(reply.type(), QDBusMessage::ReplyMessage);
    QTRY_VERIFY(fixture.controller.settingsWindowController() != nullptr);
    QVERIFY(fixture.controller.settingsWindowController()->window()->isVisible());
}

void TestDBusMenuExporter::labelsAndShortcutsAsDBusMenuWritesThem_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::addColumn<QString>("expected");
    QTest::newRow("mnemonic") << "&Settings" << QKeySequence() << "1 _Settings";
    QTest::newRow("literal ampersand") << "Fish && Chips" << QKeySequence() << "1 Fish & Chips";
    QTest::newRow("literal underscore") << "snake_case" << QKeySequence() << "1 snake__case";
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
    QCOMPARE(describe(root.children.constFirst().value<DBusMenuLayout>()), expected);
}

void TestDBusMenuExporter::changedMenuGetsANewRevision() {
    QString label = QStringLiteral("Settings");
    Fixture fixture;
    QString error;
    QVERIFY2(fixture.start(&error,
                           [&] {
                               auto menu = std::make_unique<QMenu>();
                               menu->addAction(label);
                               return menu;
                           }),
             qPrintable(error));
    QCOMPARE(fixture.callMenu("AboutToShow", {0}).arguments(), QVariantList{false});
    QCOMPARE(fixture.callMenu("AboutToShow", {0}).arguments(), QVariantList{false});

    label = QStringLiteral("Einstellungen"); // another language
    QCOMPARE(fixture.callMenu("AboutToShow", {0}).arguments(), QVariantList{true});
    QCOMPARE(fixture.entriesOfLayout(), (QStringList{"revision 2", "submenu", "1 Einstellungen"}));
    QCOMPARE(fixture.host->itemSignals.size(), 1);
    QCOMPARE(fixture.host->itemSignals.constFirst().member(), "LayoutUpdated");
    QCOMPARE(fixture.host->itemSignals.constFirst().arguments(), (QVariantList{2u, 0}));
}

void TestDBusMenuExporter::unknownRequestsAreReportedAndDoNothing_data() {
    const QVariant noData = QVariant::fromValue(QDBusVariant(QString()));
    QTest::addColumn<QString>("method");
    QTest::addColumn<QVariantList>("arguments");
    QTest::addColumn<QVariantList>("expectedReply");
    QTest::addColumn<QString>("expectedLine");
    QTest::newRow("click on an unknown entry") << "Event" << QVariantList{99, "clicked", noData, 0u} << QVariantList{}
                                               << "❌ Menu request for unknown entry 99";
    QTest::newRow("unknown event") << "Event" << QVariantList{1, "exploded", noData, 0u} << QVariantList{}
                                   << "❌ Unknown menu event 'exploded' for entry 1";
    QTest::newRow("garbled event") << "Event" << QVariantList{1, "a\nb" + QString(70, 'x'), noData, 0u}
                                   << QVariantList{}
                                   << "❌ Unknown menu event 'a\uFFFDb" + QString(61, 'x') + "…' for entry 1";
    QTest::newRow("property of an unknown entry")
        << "GetProperty" << QVariantList{-4, "label"} << QVariantList{} << "❌ Menu request for unknown entry -4";
    QTest::newRow("unknown property") << "GetProperty" << QVariantList{1, "colour"} << QVariantList{}
                                      << "❌ Menu request for unknown property 'colour' of entry 1";
    QTest::newRow("unknown entry in a group")
        << "AboutToShowGroup" << QVariantList{QVariant::fromValue(QList<int>{0, 77})}
        << QVariantList{QVariant::fromValue(QList<int>{}), QVariant::fromValue(QList<int>{77})}
        << "❌ Menu request for unknown entry 77";
    QTest::newRow("group of events") << "EventGroup"
                                     << QVariantList{QVariant::fromValue(QList<DBusMenuEvent>{
                                            {3, "clicked", QDBusVariant(0), 0}, {88, "clicked", QDBusVariant(0), 0}})}
                                     << QVariantList{QVariant::fromValue(QList<int>{88})}
                                     << "❌ Menu request for unknown entry 88";
}

void TestDBusMenuExporter::unknownRequestsAreReportedAndDoNothing() {
    QFETCH(QString, method);
    QFETCH(QVariantList, arguments);
    QFETCH(QVariantList, expectedReply);
    QFETCH(QString, expectedLine);
    Fixture fixture;
    QString error;
    QVERIFY2(fixture.start(&error), qPrintable(error));
    fixture.entriesOfLayout();
    fixture.marking.capture.clear();

    const QDBusMessage reply = fixture.callMenu(method, arguments);
    QCOMPARE(fixture.marking.capture.systemLog, QStringList{expectedLine});
    if (method == "GetProperty") {
        QCOMPARE(reply.type(), QDBusMessage::ErrorMessage);
    } else {
        QCOMPARE(reply.type(), QDBusMessage::ReplyMessage);
        QList<QList<int>> replied;
        for (const QVariant& value : reply.arguments()) {
            replied.append(qdbus_cast<QList<int>>(value));
        }
        QList<QList<int>> expected;
        for (const QVariant& value : expectedReply) {
            expected.append(value.value<QList<int>>());
        }
        QCOMPARE(replied, expected);
    }
    QTest::qWait(10);
    QVERIFY(fixture.controller.settingsWindowController() == nullptr);
    QVERIFY(fixture.host->itemSignals.isEmpty());
}

QTEST_MAIN(TestDBusMenuExporter)
#include "tst_dbusmenuexporter.moc"
