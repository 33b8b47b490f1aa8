// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "statusbar/sni/StatusNotifierPresenter.h"

#include "DiagnosticsCapture.h"
#include "PanelBus.h"

#include <QMenu>
#include <QTest>

// An item shown by a presenter on a private bus whose panel hosts the watcher.
class Fixture {
public:
    // The panel is a program no style is known for, unless the user chose one.
    explicit Fixture(TrayStyle style = TrayStyle::Automatic) {
        TrayStyles::choose(style);
        if (panelBus.start(&error, true)) {
            show("Mail", "#6BA3FF");
            presenter = std::make_unique<StatusNotifierPresenter>(item, panelBus.connection);
            QTRY_COMPARE(panelBus.panel->registeredItems.size(), 1);
        }
    }
    void show(const QString& title, const QString& color, qint64 position = 0) {
        item.setLabel({title, color, position});
    }
    // Signals sent before a reply arrive before it, so the properties come with every signal sent until then.
    QVariantMap properties() { return panelBus.panel->itemProperties(StatusNotifierPresenter::serviceName()); }

    QString error; // why the bus did not start
    DiagnosticsCapture capture;
    PanelBus panelBus;
    StatusItem item{std::make_unique<StatusBarButton>()};
    std::unique_ptr<StatusNotifierPresenter> presenter;
};

class TestStatusNotifierPresenter : public QObject {
    Q_OBJECT

private slots:
    // The shapes real panels show are checked in the panel tests; here: a style chosen by hand, and the fallback.
    void publishesWhatSuitsThePanel_data() {
        QTest::addColumn<TrayStyle>("style");
        QTest::addColumn<bool>("wide");
        QTest::addColumn<QVariant>("label"); // none where the panel would draw it instead of the icon
        QTest::newRow("wide") << TrayStyle::Wide << true << QVariant();
        QTest::newRow("tile") << TrayStyle::Tile << false << QVariant();
        QTest::newRow("a panel of unknown ways") << TrayStyle::Automatic << false << QVariant("Mail");
    }

    void publishesWhatSuitsThePanel() {
        QFETCH(TrayStyle, style);
        QFETCH(bool, wide);
        QFETCH(QVariant, label);
        Fixture fixture(style);
        QVERIFY2(fixture.error.isEmpty(), qPrintable(fixture.error));
        const QVariantMap properties = fixture.properties();
        QCOMPARE(properties.value("XAyatanaLabel"), label);
        const auto pixmaps = qdbus_cast<QList<SniPixmap>>(properties.value("IconPixmap"));
        QVERIFY(!pixmaps.isEmpty());
        for (const SniPixmap& pixmap : pixmaps) {
            QCOMPARE(pixmap.bytes.size(), qsizetype(pixmap.width) * pixmap.height * 4);
            QCOMPARE(pixmap.width > 2 * pixmap.height, wide);
        }
    }

    void changesGoOutLiterallyAndOnlyWhenThereAreAny_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("color");
        QTest::addColumn<qint64>("position");
        QTest::addColumn<QStringList>("expectedSignals");
        QTest::newRow("hostile name") << QString("<b>&amp; %{F#f00} \"; rm -rf ~") << "#6BA3FF" << qint64(0)
                                      << QStringList{"NewTitle", "NewToolTip", "XAyatanaNewLabel"};
        QTest::newRow("new colour") << QString("Mail") << "#FF6B6B" << qint64(0) << QStringList{"NewIcon"};
        QTest::newRow("another desktop, same name and colour")
            << QString("Mail") << "#6BA3FF" << qint64(1) << QStringList{"NewIcon"};
        QTest::newRow("same again") << QString("Mail") << "#6BA3FF" << qint64(0) << QStringList{};
    }

    void changesGoOutLiterallyAndOnlyWhenThereAreAny() {
        QFETCH(QString, title);
        QFETCH(QString, color);
        QFETCH(qint64, position);
        QFETCH(QStringList, expectedSignals);
        Fixture fixture;
        QVERIFY2(fixture.error.isEmpty(), qPrintable(fixture.error));
        fixture.show(title, color, position);

        const QVariantMap properties = fixture.properties();
        QStringList signalNames;
        for (const QDBusMessage& message : std::as_const(fixture.panelBus.panel->itemSignals)) {
            signalNames.append(message.member());
            if (message.member() == "XAyatanaNewLabel") {
                QCOMPARE(message.arguments(), (QVariantList{title, title}));
            }
        }
        QCOMPARE(signalNames, expectedSignals);
        for (const char* property : {"Title", "XAyatanaLabel", "XAyatanaLabelGuide"}) {
            QCOMPARE(properties.value(property), title);
        }
        QCOMPARE(qdbus_cast<SniToolTip>(properties.value("ToolTip")).title, title);
    }

    // A left click, Activate, opens the menu in the panel tests; a right click comes as ContextMenu.
    void rightClickReachesTheButton() {
        Fixture fixture;
        QVERIFY2(fixture.error.isEmpty(), qPrintable(fixture.error));
        StatusBarButton& button = *fixture.item.button();
        int clicks = 0;
        button.sendActionOn(StatusBarButton::RightMouseUp);
        // As the controller does: a menu attached while the click lasts. Offscreen nobody could choose from it.
        button.setAction([&](StatusBarButton*) {
            QMenu menu;
            fixture.item.setMenu(&menu);
            button.performClick();
            fixture.item.setMenu(nullptr);
            ++clicks;
        });
        const QDBusMessage reply =
            fixture.panelBus.panel->call(StatusNotifierPresenter::serviceName(), StatusNotifierPresenter::itemPath,
                                         "org.kde.StatusNotifierItem", "ContextMenu", {10, 20});
        QCOMPARE(reply.type(), QDBusMessage::ReplyMessage);
        QTRY_COMPARE(clicks, 1);
    }

    void menuOpensWhereTheUserClicked_data() {
        QTest::addColumn<QPoint>("reported");
        QTest::addColumn<std::optional<QPoint>>("pointer");
        QTest::addColumn<QPoint>("menuAt");
        QTest::newRow("pointer unknown") << QPoint(0, 25) << std::optional<QPoint>() << QPoint(0, 25);
        QTest::newRow("reported at the pointer")
            << QPoint(1100, 12) << std::optional(QPoint(1130, 20)) << QPoint(1100, 12);
        QTest::newRow("MATE's (0, 25)") << QPoint(0, 25) << std::optional(QPoint(1100, 12)) << QPoint(1100, 12);
    }

    void menuOpensWhereTheUserClicked() {
        QFETCH(QPoint, reported);
        QFETCH(std::optional<QPoint>, pointer);
        QFETCH(QPoint, menuAt);
        QCOMPARE(StatusNotifierPresenter::menuPosition(reported, pointer), menuAt);
    }
};

QTEST_MAIN(TestStatusNotifierPresenter)
#include "tst_statusnotifierpresenter.moc"
