// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "marking/MarkDesktopsViewModel.h"

#include "MarkingFixture.h"

#include <QTest>

class TestMarkDesktopsViewModel : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(installEnglishTexts()); }

    void firstLoadCreatesWhatIsMissingAndTheSecondChangesNothing() {
        MarkingFixture fixture({7, 5, 3}, 5);
        fixture.settings.setSettings(AppSettings()); // the first refresh's follow-up created them: start empty again
        fixture.capture.clear();
        MarkDesktopsViewModel viewModel(fixture.services());
        QCOMPARE(viewModel.spaceConfigs().size(), size_t(3));
        QCOMPARE(viewModel.spaceConfigs().at(7).name, "Desktop 3");
        QCOMPARE(fixture.capture.output.mid(0, 3),
                 (QStringList{"🔄 ViewModel loadData called", "   Before refresh: currentSpaceID=5",
                              "🔍 Refreshing Spaces... Connection ID: 42"}));
        QCOMPARE(fixture.capture.output.filter("✨").size(), 3);

        fixture.capture.clear();
        viewModel.loadData();
        QCOMPARE(fixture.capture.output.filter(QRegularExpression("^(✨|🧹|💾)")), QStringList());
        QCOMPARE(fixture.capture.output.mid(fixture.capture.output.indexOf("📊 ViewModel loaded:")),
                 (QStringList{"📊 ViewModel loaded:", "   allSpaceIDs=[3, 5, 7]", "   currentSpaceID=5",
                              "   Space #1: ID=3, isCurrent=false ", "   Space #2: ID=5, isCurrent=true ✅ CURRENT",
                              "   Space #3: ID=7, isCurrent=false ", "✅ Loaded 3 spaces, current Space ID: 5"}));
    }

    void editsReachSettingsAndTheSnapshot() {
        MarkingFixture fixture({3, 5}, 3);
        MarkDesktopsViewModel viewModel(fixture.services());
        fixture.capture.clear();

        viewModel.updateName(3, "Work");
        viewModel.updateColor(5, "#123456");
        QCOMPARE(fixture.capture.output, (QStringList{"💾 Settings saved", "💾 Settings saved"}));
        QCOMPARE(viewModel.spaceConfigs().at(3), (SpaceConfig{3, "Work", "#FF6B6B"}));
        QCOMPARE(fixture.settings.settings().spaces.at(3), (SpaceConfig{3, "Work", "#FF6B6B"}));
        QCOMPARE(viewModel.spaceConfigs().at(5), (SpaceConfig{5, "Desktop 2", "#123456"}));
    }
};

QTEST_GUILESS_MAIN(TestMarkDesktopsViewModel)
#include "tst_markdesktopsviewmodel.moc"
