// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "statusbar/StatusBarController.h"

#include "DiagnosticsCapture.h"
#include "FakeWindowServer.h"
#include "settings/DefaultsStore.h"
#include "updates/Updater.h"
#include "settings/SettingsManager.h"
#include "spaces/SpaceManager.h"
#include "statusbar/StatusBarItemView.h"
#include "statusbar/StatusItem.h"

#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

namespace {

enum class Item { withButton, withoutButton, none };

// Hands out items, shown nowhere, or none.
class TestStatusBar : public StatusBar {
public:
    explicit TestStatusBar(Item kind)
        : m_kind(kind) {}
    std::unique_ptr<StatusItem> statusItem() override {
        if (m_kind == Item::none) {
            return nullptr;
        }
        return std::make_unique<StatusItem>(m_kind == Item::withButton ? std::make_unique<StatusBarButton>() : nullptr);
    }

private:
    Item m_kind;
};

void runQueuedCalls() {
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
    }
}

} // namespace

Q_DECLARE_METATYPE(Item)

class Fixture {
public:
    explicit Fixture(Item item = Item::withButton)
        : store(folder.path())
        , settings(store)
        , statusBar(item) {
        windowServer.spaces = QList<qint64>{3, 5};
        windowServer.active = 5;
        spaces = std::make_unique<SpaceManager>(windowServer, [this]() -> SettingsManager& { return settings; });
    }

    StatusBarController& controller() {
        if (!m_controller) {
            m_controller = std::make_unique<StatusBarController>(
                updater, StatusBarController::Services{*spaces, settings, windowServer, statusBar});
        }
        return *m_controller;
    }
    void releaseController() { m_controller.reset(); }

    StatusBarButton& button() { return *controller().statusItem()->button(); }
    QList<StatusBarItemView*> views() {
        return button().findChildren<StatusBarItemView*>(QString(), Qt::FindDirectChildrenOnly);
    }
    qsizetype updates() const { return capture.systemLog.filter("✅ Status bar updated").size(); }

    DiagnosticsCapture capture;
    QTemporaryDir folder;
    DefaultsStore store;
    SettingsManager settings;
    FakeWindowServer windowServer;
    TestStatusBar statusBar;
    Updater updater;
    std::unique_ptr<SpaceManager> spaces;

private:
    std::unique_ptr<StatusBarController> m_controller;
};

class TestStatusBarController : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void firstUpdateShowsTheActiveSpace();
    void nestedUpdateLeavesOneView();
    void spaceSwitchUpdatesNowAndOnceMoreLater();
    void clicksOpenAFreshMenuForTheirOwnDuration();
    void itemWithoutButtonReportsEveryTrigger_data();
    void itemWithoutButtonReportsEveryTrigger();
    void releasedControllerDoesNothing();

private:
    QTranslator m_english;
};

void TestStatusBarController::initTestCase() {
    QVERIFY(m_english.load("vantorel_en", ":/i18n"));
    QCoreApplication::installTranslator(&m_english);
}

void TestStatusBarController::firstUpdateShowsTheActiveSpace() {
    Fixture fixture;
    fixture.settings.syncConfigs({3, 5});
    fixture.settings.updateConfig(5, QStringLiteral("Mail"), QStringLiteral("#112233"));
    AppSettings settings = fixture.settings.settings();
    settings.spaces[5].id = 8; // the line names the Space the space manager reports, not the record's id
    fixture.settings.setSettings(settings);
    fixture.capture.clear();

    fixture.controller();
    QCOMPARE(fixture.capture.systemLog, (QStringList{"🔄 Updating status bar: Space ID=5, Index=1, Name=Mail, "
                                                     "Color=#112233",
                                                     "✅ Status bar updated with custom view"}));
    QCOMPARE(fixture.controller().statusItem()->label(), std::optional(StatusLabel{"Mail", "#112233", 1}));
    QCOMPARE(fixture.views().size(), 1);
    const StatusBarItemView& view = *fixture.views().constFirst();
    QCOMPARE(view.geometry(), QRect(QPoint(0, 0), view.intrinsicContentSize().toSize()));
    QCOMPARE(fixture.button().size(), view.size());
}

void TestStatusBarController::nestedUpdateLeavesOneView() {
    Fixture fixture;
    fixture.controller();
    fixture.button().setTitle("stale");
    fixture.button().setImage(QImage(4, 4, QImage::Format_ARGB32));
    fixture.capture.clear();

    // Forgetting every configuration makes the next update create one, which updates again inside it.
    fixture.settings.setSettings(AppSettings());
    QCOMPARE(fixture.capture.systemLog,
             (QStringList{"📡 Settings change notification received", "📡 Settings change notification received",
                          "🔄 Updating status bar: Space ID=5, Index=1, Name=Desktop 2, Color=#6BA3FF",
                          "✅ Status bar updated with custom view",
                          "🔄 Updating status bar: Space ID=5, Index=1, Name=Desktop 2, Color=#6BA3FF",
                          "✅ Status bar updated with custom view"}));
    QCOMPARE(fixture.button().subviews().size(), 1);
    QVERIFY(fixture.button().title().isEmpty());
    QVERIFY(fixture.button().image().isNull());
}

void TestStatusBarController::spaceSwitchUpdatesNowAndOnceMoreLater() {
    Fixture fixture;
    fixture.controller();
    runQueuedCalls();
    fixture.capture.clear();

    fixture.windowServer.active = 3;
    emit fixture.windowServer.activeSpaceDidChange();
    QVERIFY(fixture.capture.systemLog.contains("📡 Space change notification received"));
    QCOMPARE(fixture.updates(), 0);

    runQueuedCalls(); // two announcements during the refresh, one deferred after it
    QCOMPARE(fixture.capture.systemLog.filter("📡 SpaceManager objectWillChange received").size(), 3);
    QCOMPARE(fixture.updates(), 3);
    QCOMPARE(fixture.controller().statusItem()->label()->name, "Desktop 1");

    QTRY_COMPARE(fixture.updates(), 4); // the notification's own, 0.1 s later
    QCOMPARE(fixture.views().size(), 1);
}

void TestStatusBarController::clicksOpenAFreshMenuForTheirOwnDuration() {
    Fixture fixture;
    StatusBarButton& button = fixture.button();
    QList<QStringList> menusShown;
    QObject observer;
    QObject::connect(&button, &StatusBarButton::clickPerformed, &observer, [&] {
        QStringList entries;
        for (const QAction* action : fixture.controller().statusItem()->menu()->actions()) {
            entries.append(action->isSeparator() ? "---" : action->text() + " " + action->shortcut().toString());
        }
        menusShown.append(entries);
    });
    button.click(StatusBarButton::LeftMouseUp);
    QVERIFY(fixture.controller().statusItem()->menu() == nullptr);
    button.click(StatusBarButton::RightMouseUp);
    QVERIFY(fixture.controller().statusItem()->menu() == nullptr);
    const QStringList expected{"Settings ", "Check for Updates ", "---", "Quit Vantorel Ctrl+Q"};
    QCOMPARE(menusShown, (QList<QStringList>{expected, expected}));
}

void TestStatusBarController::itemWithoutButtonReportsEveryTrigger_data() {
    QTest::addColumn<Item>("item");
    QTest::newRow("an item without a button") << Item::withoutButton;
    QTest::newRow("no item at all") << Item::none;
}

void TestStatusBarController::itemWithoutButtonReportsEveryTrigger() {
    QFETCH(Item, item);
    Fixture fixture(item);
    fixture.capture.clear();
    fixture.controller();
    QVERIFY(fixture.capture.systemLog.isEmpty());

    fixture.settings.getOrCreateConfig(9, 2);
    QCOMPARE(fixture.capture.systemLog,
             (QStringList{"📡 Settings change notification received", "❌ No status bar button"}));
}

void TestStatusBarController::releasedControllerDoesNothing() {
    Fixture fixture;
    fixture.controller();
    fixture.windowServer.active = 3;
    emit fixture.windowServer.activeSpaceDidChange();
    fixture.releaseController();
    fixture.capture.clear();

    QTest::qWait(150);
    fixture.settings.getOrCreateConfig(9, 2);
    QVERIFY(fixture.capture.systemLog.isEmpty());
}

QTEST_MAIN(TestStatusBarController)
#include "tst_statusbarcontroller.moc"
