// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "statusbar/sni/DBusMenuExporter.h"

#include "DiagnosticsCapture.h"
#include "PanelBus.h"

#include <QMenu>
#include <QTest>

namespace {

// "1 _Fish & Chips__2", "2 ---": an entry as a panel would draw it.
QString describe(const QVariant& entry) {
    const DBusMenuLayout layout = qdbus_cast<DBusMenuLayout>(entry);
    const bool separator = layout.properties.value("type") == "separator";
    return QStringLiteral("%1 %2").arg(layout.id).arg(separator ? "---" : layout.properties.value("label").toString());
}

} // namespace

// A three-entry menu exported on a private bus; the panel there calls it.
class Fixture {
public:
    Fixture() {
        if (panelBus.start(&error, false)) {
            panelBus.connection.registerObject(DBusMenuExporter::objectPath, &exporter);
            panelBus.panel->RegisterStatusNotifierItem(panelBus.connection.baseService()); // to hear its signals
        }
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

    QString error; // why the bus did not start
    DiagnosticsCapture capture;
    PanelBus panelBus;
    QString label = "&Fish && Chips_2";
    int clicks = 0;
    DBusMenuExporter exporter{[this] {
        auto menu = std::make_unique<QMenu>();
        QObject::connect(menu->addAction(label), &QAction::triggered, [this] { ++clicks; });
        menu->addSeparator();
        menu->addAction("Quit");
        return menu;
    }};
};

class TestDBusMenuExporter : public QObject {
    Q_OBJECT

private slots:
    void offersTheMenuAsDBusMenuWritesIt() {
        Fixture fixture;
        QVERIFY2(fixture.error.isEmpty(), qPrintable(fixture.error));
        QCOMPARE(fixture.layout(), (QStringList{"revision 1", "submenu", "1 _Fish & Chips__2", "2 ---", "3 Quit"}));

        // A changed menu gets a new revision, and only it a signal.
        QCOMPARE(fixture.call("AboutToShow", {0}).arguments(), QVariantList{false});
        fixture.label = "Einstellungen"; // another language
        QCOMPARE(fixture.call("AboutToShow", {0}).arguments(), QVariantList{true});
        QCOMPARE(fixture.layout(), (QStringList{"revision 2", "submenu", "1 Einstellungen", "2 ---", "3 Quit"}));
        QCOMPARE(fixture.panelBus.panel->itemSignals.size(), 1);
        QCOMPARE(fixture.panelBus.panel->itemSignals.constFirst().member(), "LayoutUpdated");
        QCOMPARE(fixture.panelBus.panel->itemSignals.constFirst().arguments(), (QVariantList{2u, 0}));
    }

    void unknownRequestsAreReportedAndDoNothing_data() {
        QTest::addColumn<QString>("method");
        QTest::addColumn<QVariantList>("arguments");
        QTest::addColumn<QString>("expectedLine");
        QTest::addColumn<QVariantList>("expectedIdLists"); // what the reply lists; an error is no list
        QTest::newRow("garbled event") << "Event"
                                       << QVariantList{1, "a\nb" + QString(70, 'x'),
                                                       QVariant::fromValue(QDBusVariant(QString())), 0u}
                                       << "❌ Unknown menu event 'a\uFFFDb" + QString(61, 'x') + "…' for entry 1"
                                       << QVariantList{};
        QTest::newRow("unknown property")
            << "GetProperty" << QVariantList{1, "colour"} << "❌ Menu request for unknown property 'colour' of entry 1"
            << QVariantList{};
        QTest::newRow("unknown entry in a group of events")
            << "EventGroup"
            << QVariantList{QVariant::fromValue(
                   QList<DBusMenuEvent>{{1, "hovered", QDBusVariant(0), 0}, {4, "clicked", QDBusVariant(0), 0}})}
            << "❌ Menu request for unknown entry 4" << QVariantList{QVariant::fromValue(QList<int>{4})};
    }

    void unknownRequestsAreReportedAndDoNothing() {
        QFETCH(QString, method);
        QFETCH(QVariantList, arguments);
        QFETCH(QString, expectedLine);
        QFETCH(QVariantList, expectedIdLists);
        Fixture fixture;
        QVERIFY2(fixture.error.isEmpty(), qPrintable(fixture.error));
        fixture.layout();
        fixture.capture.clear();

        const QDBusMessage reply = fixture.call(method, arguments);
        QCOMPARE(fixture.capture.systemLog, QStringList{expectedLine});
        QCOMPARE(reply.type(), method == "GetProperty" ? QDBusMessage::ErrorMessage : QDBusMessage::ReplyMessage);
        QCOMPARE(reply.arguments().size(), method == "GetProperty" ? 1 : expectedIdLists.size());
        for (qsizetype i = 0; i < expectedIdLists.size(); ++i) {
            QCOMPARE(qdbus_cast<QList<int>>(reply.arguments().at(i)), expectedIdLists.at(i).value<QList<int>>());
        }
        QTest::qWait(10);
        QCOMPARE(fixture.clicks, 0);
    }
};

QTEST_MAIN(TestDBusMenuExporter)
#include "tst_dbusmenuexporter.moc"
