// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "statusbar/sni/StatusNotifierPresenter.h"

#include "BuildInfo.h"
#include "DiagnosticsCapture.h"
#include "PanelBus.h"
#include "statusbar/StatusBarItemView.h"

#include <QMenu>
#include <QTest>

// An item shown by a presenter on a private bus whose panel hosts the watcher.
class Fixture {
public:
    Fixture() {
        if (panelBus.start(&error, true)) {
            show("Mail", "#6BA3FF");
            presenter = std::make_unique<StatusNotifierPresenter>(item, panelBus.connection);
        }
    }
    void show(const QString& title, const QString& color) { item.setLabel({title, color}); }
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
    void publishesTheWholeLabel();
    void changesGoOutLiterallyAndOnlyWhenThereAreAny_data();
    void changesGoOutLiterallyAndOnlyWhenThereAreAny();
    void clicksReachTheButton_data();
    void clicksReachTheButton();
};

void TestStatusNotifierPresenter::publishesTheWholeLabel() {
    Fixture fixture;
    QVERIFY2(fixture.error.isEmpty(), qPrintable(fixture.error));
    const QVariantMap properties = fixture.properties();
    for (const char* fixed : {"Category=ApplicationStatus", "Id=vantorel", "Status=Active", "IconName="}) {
        const QString name = QString(fixed).section('=', 0, 0);
        QCOMPARE(name + '=' + properties.value(name).toString(), fixed);
    }

    const QList<SniPixmap> pixmaps = qdbus_cast<QList<SniPixmap>>(properties.value("IconPixmap"));
    const int width = StatusBarItemView("Mail", "", ColorApplication::labelBackground).sizeHint().width();
    QCOMPARE(pixmaps.size(), 2);
    for (int scale : {1, 2}) {
        const SniPixmap& pixmap = pixmaps.at(scale - 1);
        QCOMPARE(QSize(pixmap.width, pixmap.height), QSize(width, 22) * scale);
        QCOMPARE(pixmap.bytes.size(), qsizetype(pixmap.width) * pixmap.height * 4);
    }

    // A label shown before is not drawn again.
    const char* drawn = fixture.presenter->iconPixmaps().constFirst().bytes.constData();
    fixture.show("Chat", "#6BA3FF");
    fixture.show("Mail", "#6BA3FF");
    QCOMPARE(fixture.presenter->iconPixmaps().constFirst().bytes.constData(), drawn);
}

void TestStatusNotifierPresenter::changesGoOutLiterallyAndOnlyWhenThereAreAny_data() {
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("color");
    QTest::addColumn<QStringList>("expectedSignals");
    QTest::newRow("hostile name") << "<b>&amp; %{F#f00} \"; rm -rf ~"
                                  << "#6BA3FF" << QStringList{"NewIcon", "NewTitle", "NewToolTip", "XAyatanaNewLabel"};
    QTest::newRow("new colour") << "Mail"
                                << "#FF6B6B" << QStringList{"NewIcon"};
    QTest::newRow("same again") << "Mail"
                                << "#6BA3FF" << QStringList{};
}

void TestStatusNotifierPresenter::changesGoOutLiterallyAndOnlyWhenThereAreAny() {
    QFETCH(QString, title);
    QFETCH(QString, color);
    QFETCH(QStringList, expectedSignals);
    Fixture fixture;
    QVERIFY2(fixture.error.isEmpty(), qPrintable(fixture.error));
    QTRY_COMPARE(fixture.panelBus.panel->registeredItems.size(), 1);
    fixture.show(title, color);

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
    const SniToolTip toolTip = qdbus_cast<SniToolTip>(properties.value("ToolTip"));
    QCOMPARE(QStringList({toolTip.iconName, toolTip.title, toolTip.description}),
             QStringList({BuildInfo::applicationId, title, ""}));
    QVERIFY(toolTip.iconPixmaps.isEmpty());
}

void TestStatusNotifierPresenter::clicksReachTheButton_data() {
    QTest::addColumn<QString>("method");
    QTest::addColumn<int>("clicksListenedTo");
    QTest::newRow("Activate: a left click") << "Activate" << int(StatusBarButton::LeftMouseUp);
    QTest::newRow("ContextMenu: a right click") << "ContextMenu" << int(StatusBarButton::RightMouseUp);
}

void TestStatusNotifierPresenter::clicksReachTheButton() {
    QFETCH(QString, method);
    QFETCH(int, clicksListenedTo);
    Fixture fixture;
    QVERIFY2(fixture.error.isEmpty(), qPrintable(fixture.error));
    StatusBarButton& button = *fixture.item.button();
    int clicks = 0;
    button.sendActionOn(clicksListenedTo);
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
                                     "org.kde.StatusNotifierItem", method, {10, 20});
    QCOMPARE(reply.type(), QDBusMessage::ReplyMessage);
    QTRY_COMPARE(clicks, 1);
}

QTEST_MAIN(TestStatusNotifierPresenter)
#include "tst_statusnotifierpresenter.moc"
