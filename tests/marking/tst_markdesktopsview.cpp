// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "marking/MarkDesktopsView.h"

#include "MarkingFixture.h"
#include "marking/CurrentBadge.h"
#include "marking/ProminentButton.h"
#include "marking/SpaceConfigRow.h"
#include "marking/ToggleSwitch.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTest>

namespace {

// The view in a window of its own, on managers in a temporary folder.
struct ViewUnderTest : MarkingFixture {
    using MarkingFixture::MarkingFixture;

    MarkDesktopsView& show() {
        view = std::make_unique<MarkDesktopsView>(services());
        view->show();
        settle();
        return *view;
    }
    static void settle() {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::processEvents();
        }
    }
    // Each row's number, with a star on the current one.
    QStringList rows() const {
        QStringList rows;
        for (const SpaceConfigRow* row : view->rows()) {
            rows << row->numberLabel()->text() + (row->badge()->isCurrent() ? "*" : "");
        }
        return rows;
    }

    std::unique_ptr<MarkDesktopsView> view;
};

} // namespace

class TestMarkDesktopsView : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(installEnglishTexts()); }

    void listsRowsInOrder_data() {
        QTest::addColumn<QList<qint64>>("spaces");
        QTest::addColumn<quint64>("active");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("none: a note instead") << QList<qint64>{} << quint64(0) << QStringList{};
        QTest::newRow("active one not listed") << QList<qint64>{3, 5} << quint64(9) << QStringList{"#1", "#2"};
        QTest::newRow("listed twice: the next keeps its number")
            << QList<qint64>{7, 3, 3} << quint64(7) << QStringList{"#1", "#3*"};
    }

    void listsRowsInOrder() {
        QFETCH(QList<qint64>, spaces);
        QFETCH(quint64, active);
        QFETCH(QStringList, rows);
        ViewUnderTest test(spaces, active);
        MarkDesktopsView& view = test.show();
        QCOMPARE(test.rows(), rows);
        QCOMPARE(view.emptyStateLabel()->isVisible(), rows.isEmpty());
        if (rows.isEmpty()) {
            QCOMPARE(view.emptyStateLabel()->text(), "No desktops found. Is a window manager running?");
        }
        // Top to bottom: the list, both switches, Done.
        QList<int> tops;
        for (const QWidget* part : QList<QWidget*>{view.list(), view.launchAtLoginSwitch(),
                                                   view.namesInWindowManagerSwitch(), view.doneButton()}) {
            QVERIFY(part->isVisible());
            tops << part->mapTo(&view, QPoint()).y();
        }
        QVERIFY(std::ranges::is_sorted(tops) && tops.first() < tops.last());
    }

    void doneAndEscapeClose() {
        ViewUnderTest test({3}, 3);
        MarkDesktopsView& view = test.show();
        QTest::mouseClick(view.doneButton(), Qt::LeftButton);
        QVERIFY(view.isHidden());
        view.show();
        QTest::keyClick(view.rows()[0]->nameField(), Qt::Key_Escape);
        QVERIFY(view.isHidden());
    }

    void reloadKeepsRowsTheirEditsAndFocus() {
        ViewUnderTest test({3, 5, 7}, 3);
        test.settings.updateConfig(3, std::nullopt, "#2E8B57");
        MarkDesktopsView& view = test.show();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        SpaceConfigRow* seven = view.rows()[2];
        seven->nameField()->setFocus();
        QTest::keyClicks(seven->nameField(), "!");
        QCOMPARE(test.settings.settings().spaces.at(7).name, "Desktop 3!");
        test.settings.updateConfig(7, "Changed elsewhere", std::nullopt);

        test.windowServer.spaces = QList<qint64>{1, 3, 7};
        view.viewModel().loadData();
        test.settle();
        QCOMPARE(view.rows()[2], seven);
        QCOMPARE(seven->nameField()->text(), "Desktop 3!");
        QVERIFY(seven->nameField()->hasFocus());
        QCOMPARE(view.rows()[0]->spaceID(), SpaceID(1));
        QCOMPARE(test.rows(), (QStringList{"#1", "#2*", "#3"}));
        QCOMPARE(view.rows()[1]->localColor(), "#2E8B57");
    }

    void switchHandsEveryNewValueOnOnce() {
        ViewUnderTest test({3}, 3);
        MarkDesktopsView& view = test.show();
        QSignalSpy assignments(test.launchAtLogin.get(), &LaunchAtLoginManager::objectWillChange);

        QTest::mouseClick(view.launchAtLoginSwitch(), Qt::LeftButton);
        QVERIFY(view.viewModel().launchAtLogin());
        test.settle();
        QCOMPARE(assignments.size(), 1);
        QVERIFY(QFile::exists(test.autostart.entryPath()));

        test.launchAtLogin->setEnabled(false); // as another window's switch would; a reload finds the new value
        view.viewModel().loadData();
        test.settle();
        QCOMPARE(assignments.size(), 3);
        QVERIFY(!view.launchAtLoginSwitch()->isChecked());
    }

    void tabVisitsEveryControlInListOrder() {
        ViewUnderTest test({3, 5}, 3);
        MarkDesktopsView& view = test.show();
        test.windowServer.spaces = QList<qint64>{1, 3, 5}; // the new first row is the newest widget
        view.viewModel().loadData();
        test.settle();
        QVERIFY(QTest::qWaitForWindowActive(&view));

        QList<QWidget*> order;
        for (SpaceConfigRow* row : view.rows()) {
            order += row->focusOrder();
        }
        order << view.launchAtLoginSwitch() << view.namesInWindowManagerSwitch() << view.doneButton() << order.first();
        QCOMPARE(order.size(), 3 * 9 + 4);
        order.first()->setFocus();
        for (QWidget* next : order.mid(1)) {
            QVERIFY(
                !QAccessible::queryAccessibleInterface(QApplication::focusWidget())->text(QAccessible::Name).isEmpty());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }
};

QTEST_MAIN(TestMarkDesktopsView)
#include "tst_markdesktopsview.moc"
