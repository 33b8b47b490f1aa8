// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "statusbar/StatusBarController.h"

#include "MarkingFixture.h"
#include "statusbar/StatusItem.h"
#include "updates/Updater.h"

#include <QMenu>
#include <QTest>

namespace {

// Hands out items shown nowhere, or none.
class TestStatusBar : public StatusBar {
public:
    std::unique_ptr<StatusItem> statusItem() override {
        return hasItem ? std::make_unique<StatusItem>(std::make_unique<StatusBarButton>()) : nullptr;
    }
    bool hasItem = true;
};

} // namespace

// The managers on Spaces 3 and 5, 5 active, and a controller made on first use.
struct Fixture : MarkingFixture {
    Fixture()
        : MarkingFixture({3, 5}, 5) {}

    StatusBarController& controller() {
        if (!made) {
            made = std::make_unique<StatusBarController>(
                updater, StatusBarController::Services{*spaceManager, settings, windowServer, statusBar});
        }
        return *made;
    }
    StatusBarButton& button() { return *controller().statusItem()->button(); }

    TestStatusBar statusBar;
    Updater updater;
    std::unique_ptr<StatusBarController> made;
};

class TestStatusBarController : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(installEnglishTexts()); }

    void updatesShowTheActiveSpaceInOneViewEvenWhenNested() {
        Fixture fixture;
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

        // Forgetting every configuration makes the next update create one, which updates again inside it.
        fixture.settings.setSettings(AppSettings());
        QCOMPARE(fixture.controller().statusItem()->label(), std::optional(StatusLabel{"Desktop 2", "#6BA3FF", 1}));
        QCOMPARE(fixture.button().subviews().size(), 1);
    }

    // The menu's entries, read over the bus as a panel reads them, and their choice are checked with waybar; here:
    // each click gets a menu of its own, made afresh and gone when the click ends.
    void clicksOpenAFreshMenuForTheirOwnDuration() {
        Fixture fixture;
        StatusBarButton& button = fixture.button();
        QStringList menusShown; // the first entry and the last entry's shortcut
        QObject observer;
        QObject::connect(&button, &StatusBarButton::clickPerformed, &observer, [&] {
            const QList<QAction*> entries = fixture.controller().statusItem()->menu()->actions();
            menusShown.append(entries.constFirst()->text() + " / " + entries.constLast()->shortcut().toString());
        });
        button.click(StatusBarButton::LeftMouseUp);
        fixture.settings.updateConfig(3, QStringLiteral("Mail"), std::nullopt);
        button.click(StatusBarButton::RightMouseUp);
        QVERIFY(fixture.controller().statusItem()->menu() == nullptr);
        QCOMPARE(menusShown, (QStringList{"Desktop 1 / Ctrl+Q", "Mail / Ctrl+Q"}));
    }

    void missingItemIsReportedAtEveryTrigger() {
        Fixture fixture;
        fixture.statusBar.hasItem = false;
        fixture.capture.clear();
        fixture.controller();
        QVERIFY(fixture.capture.systemLog.isEmpty());

        fixture.settings.getOrCreateConfig(9, 2);
        QCOMPARE(fixture.capture.systemLog,
                 (QStringList{"📡 Settings change notification received", "❌ No status bar button"}));
    }

    void releasedControllerDoesNothing() {
        Fixture fixture;
        fixture.controller();
        fixture.windowServer.active = 3;
        emit fixture.windowServer.activeSpaceDidChange();
        fixture.made.reset();
        fixture.capture.clear();

        QTest::qWait(150);
        fixture.settings.getOrCreateConfig(9, 2);
        QVERIFY(fixture.capture.systemLog.isEmpty());
    }
};

QTEST_MAIN(TestStatusBarController)
#include "tst_statusbarcontroller.moc"
