#include "marking/MarkDesktopsView.h"

#include "MarkingFixture.h"
#include "PixelChecks.h"
#include "marking/ColorButton.h"
#include "marking/ColorPickerView.h"
#include "marking/CurrentBadge.h"
#include "marking/ProminentButton.h"
#include "marking/SpaceConfigRow.h"
#include "marking/ToggleSwitch.h"
#include "platform/Updater.h"
#include "statusbar/StatusBarController.h"
#include "statusbar/StatusBarItemView.h"
#include "statusbar/StatusItem.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>

namespace {

// The view shown in a window of its own, on managers in a temporary folder.
struct ViewUnderTest : MarkingFixture {
    ViewUnderTest(QList<qint64> spaces, quint64 active)
        : MarkingFixture(std::move(spaces), active) {}

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
    QStringList numbers() const {
        QStringList numbers;
        for (const SpaceConfigRow* row : view->rows()) {
            numbers.append(row->numberLabel()->text());
        }
        return numbers;
    }
    QList<SpaceID> currentRows() const {
        QList<SpaceID> current;
        for (const SpaceConfigRow* row : view->rows()) {
            if (row->badge()->isCurrent()) {
                current.append(row->spaceID());
            }
        }
        return current;
    }

    std::unique_ptr<MarkDesktopsView> view;
};

class DiscardedStatusBar : public StatusBar {
public:
    std::unique_ptr<StatusItem> statusItem() override {
        return std::make_unique<StatusItem>(std::make_unique<StatusBarButton>());
    }
};

QPalette darkPalette() {
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x2b, 0x2b, 0x2b));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
    dark.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::PlaceholderText, QColor(255, 255, 255, 128));
    dark.setColor(QPalette::Mid, QColor(0x55, 0x55, 0x55));
    dark.setColor(QPalette::Highlight, QColor(0x2f, 0x7d, 0xe1));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    return dark;
}

void savePicture(QWidget& widget, const QString& name) {
    const QString path = QDir::temp().filePath("vantorel-marking-" + name + ".png");
    QVERIFY(widget.grab().save(path));
    qInfo("rendered %s", qPrintable(path));
}

} // namespace

class TestMarkDesktopsView : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void showsThreeSpaces();
    void listsRowsInOrder_data();
    void listsRowsInOrder();
    void showsTheEmptyState();
    void eachShowingReloadsOnce();
    void reloadKeepsRowsTheirEditsAndFocus();
    void switchHandsEveryNewValueOnOnce();
    void typingReachesTheSettingsAndTheStatusItem();
    void closes_data();
    void closes();
    void tabVisitsEveryControlInListOrder();

private:
    QTranslator m_english;
};

void TestMarkDesktopsView::initTestCase() {
    QVERIFY(m_english.load("vantorel_en", ":/i18n"));
    QCoreApplication::installTranslator(&m_english);
}

void TestMarkDesktopsView::showsThreeSpaces() {
    ViewUnderTest test({3, 5, 7}, 5);
    test.settings.updateConfig(3, "Mail", std::nullopt);
    test.settings.updateConfig(5, "Code", "#2E8B57");
    test.settings.updateConfig(7, "Music", "blue");
    MarkDesktopsView& view = test.show();
    savePicture(view, "three-spaces");

    QCOMPARE(view.size(), QSize(620, 560));
    QCOMPARE(test.numbers(), (QStringList{"#1", "#2", "#3"}));
    QCOMPARE(test.currentRows(), QList<SpaceID>{5});
    const QList<SpaceConfigRow*>& rows = view.rows();
    QVERIFY(rows[0]->colorPicker()->buttons()[0]->isSelected());
    for (const SpaceConfigRow* row : rows.mid(1)) {
        const QList<ColorButton*>& buttons = row->colorPicker()->buttons();
        QVERIFY(std::none_of(buttons.cbegin(), buttons.cend(), [](auto* b) { return b->isSelected(); }));
    }

    // Bars and list span the 580 pixels between the side paddings; Done and the switch sit at the trailing edge.
    const auto inView = [&](const QWidget* widget) {
        return QRect(widget->mapTo(&view, QPoint()), widget->size());
    };
    const QRect list = inView(view.list());
    QCOMPARE(list.left(), 20);
    QCOMPARE(list.width(), 580);
    QCOMPARE(inView(rows[0]).topLeft(), list.topLeft());
    QCOMPARE(inView(rows[1]).top(), inView(rows[0]).bottom() + 1);
    const QRect done = inView(view.doneButton()).marginsRemoved(ProminentButton::overhang);
    QVERIFY(done.width() >= 100);
    QCOMPARE(done.right(), 600 - 1);
    QCOMPARE(done.bottom(), 560 - 16 - 1);
    QCOMPARE(inView(view.launchAtLoginSwitch()).marginsRemoved(ToggleSwitch::overhang).right(), 600 - 1);
    QVERIFY(view.doneButton()->isDefault());

    const QImage image = view.grab().toImage();
    QVERIFY(pixelIs(image, inView(rows[1]).topLeft() + rows[1]->dotRect().center(), QColor(67, 151, 104)));
    QVERIFY(pixelIs(image, inView(rows[2]).topLeft() + rows[2]->dotRect().center(), QColor(0x1a, 0x1a, 0x1a)));

    view.setPalette(darkPalette());
    savePicture(view, "three-spaces-dark");
    const QImage dark = view.grab().toImage();
    QVERIFY(pixelIs(dark, inView(rows[0]).topLeft() + QPoint(30, 3), QColor(0x1e, 0x1e, 0x1e)));
    QVERIFY(pixelIs(dark, QPoint(5, 5), QColor(0x1e, 0x1e, 0x1e)));
}

void TestMarkDesktopsView::listsRowsInOrder_data() {
    QTest::addColumn<QList<qint64>>("spaces");
    QTest::addColumn<quint64>("active");
    QTest::addColumn<QStringList>("numbers");
    QTest::addColumn<QList<SpaceID>>("current");
    QTest::newRow("ascending, whatever the server's order")
        << QList<qint64>{7, 3, 5} << quint64(5) << QStringList{"#1", "#2", "#3"} << QList<SpaceID>{5};
    QTest::newRow("active one not listed")
        << QList<qint64>{3, 5} << quint64(9) << QStringList{"#1", "#2"} << QList<SpaceID>{};
    QTest::newRow("listed twice: one row, the next keeps its number")
        << QList<qint64>{7, 3, 3} << quint64(7) << QStringList{"#1", "#3"} << QList<SpaceID>{7};
}

void TestMarkDesktopsView::listsRowsInOrder() {
    QFETCH(QList<qint64>, spaces);
    QFETCH(quint64, active);
    QFETCH(QStringList, numbers);
    QFETCH(QList<SpaceID>, current);
    ViewUnderTest test(spaces, active);
    test.show();
    QCOMPARE(test.numbers(), numbers);
    QCOMPARE(test.currentRows(), current);
    QVERIFY(test.view->emptyStateLabel()->isHidden());
}

void TestMarkDesktopsView::showsTheEmptyState() {
    ViewUnderTest test({}, 0);
    MarkDesktopsView& view = test.show();
    savePicture(view, "no-spaces");
    QVERIFY(view.rows().isEmpty());
    QLabel* empty = view.emptyStateLabel();
    QVERIFY(empty->isVisible());
    QCOMPARE(empty->text(), "No desktops found. Is a window manager running?");
    QCOMPARE(empty->margin(), 40);
    QCOMPARE(empty->mapTo(&view, QPoint()), view.list()->mapTo(&view, QPoint()));
    QVERIFY(view.launchAtLoginSwitch()->isVisible());
    QVERIFY(view.doneButton()->isVisible());
    QCOMPARE(view.size(), QSize(620, 560));
}

void TestMarkDesktopsView::eachShowingReloadsOnce() {
    ViewUnderTest test({3}, 3);
    MarkDesktopsView& view = test.show();
    const QStringList refreshes = test.capture.output.filter(QRegularExpression("^🔄 (Refreshing|ViewModel)"));
    QCOMPARE(refreshes, (QStringList{"🔄 ViewModel loadData called", "🔄 Refreshing Spaces in settings window...",
                                     "🔄 ViewModel loadData called"}));
    view.hide();
    test.capture.clear();
    view.show();
    QCOMPARE(test.capture.output.filter("🔄 Refreshing Spaces").size(), 1);
    QCOMPARE(test.capture.output.filter("🔄 ViewModel loadData called").size(), 1);
}

void TestMarkDesktopsView::reloadKeepsRowsTheirEditsAndFocus() {
    ViewUnderTest test({3, 5, 7}, 3);
    MarkDesktopsView& view = test.show();
    view.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&view));
    SpaceConfigRow* seven = view.rows()[2];
    seven->nameField()->setFocus();
    QTest::keyClicks(seven->nameField(), "!");
    test.settings.updateConfig(7, "Changed elsewhere", std::nullopt);

    test.windowServer.spaces = QList<qint64>{1, 3, 7};
    view.viewModel().loadData();
    test.settle();
    QCOMPARE(view.rows()[2], seven);
    QCOMPARE(seven->nameField()->text(), "Desktop 3!");
    QVERIFY(seven->nameField()->hasFocus());
    QCOMPARE(test.numbers(), (QStringList{"#1", "#2", "#3"}));
    QCOMPARE(view.rows()[0]->spaceID(), SpaceID(1));
    QCOMPARE(view.rows()[1]->spaceID(), SpaceID(3));
}

void TestMarkDesktopsView::switchHandsEveryNewValueOnOnce() {
    ViewUnderTest test({3}, 3);
    MarkDesktopsView& view = test.show();
    QSignalSpy assignments(test.launchAtLogin.get(), &LaunchAtLoginManager::objectWillChange);
    test.capture.clear();

    QTest::mouseClick(view.launchAtLoginSwitch(), Qt::LeftButton);
    QVERIFY(view.viewModel().launchAtLogin());
    QCOMPARE(assignments.size(), 0); // the toggle comes with the rebuild
    test.settle();
    QCOMPARE(assignments.size(), 1);
    QCOMPARE(test.capture.output, QStringList{"✅ Launch at login enabled"});
    QVERIFY(QFile::exists(test.autostart.entryPath()));

    test.launchAtLogin->setEnabled(false); // as another window's switch would
    view.viewModel().loadData();
    test.settle();
    QCOMPARE(assignments.size(), 3);
    QVERIFY(!view.launchAtLoginSwitch()->isChecked());

    view.launchAtLoginSwitch()->setFocus();
    QTest::keyClick(view.launchAtLoginSwitch(), Qt::Key_Space);
    test.settle();
    QCOMPARE(assignments.size(), 4);
    QVERIFY(test.launchAtLogin->isEnabled());
}

void TestMarkDesktopsView::typingReachesTheSettingsAndTheStatusItem() {
    ViewUnderTest test({3, 5}, 5);
    test.settings.updateConfig(5, "", std::nullopt);
    DiscardedStatusBar statusBar;
    Updater updater;
    StatusBarController controller(
        updater, {*test.spaceManager, test.settings, test.settingsCenter, test.workspaceCenter, statusBar});
    MarkDesktopsView& view = test.show();
    QLineEdit* field = view.rows()[1]->nameField();
    const auto shownInStatusItem = [&] {
        return controller.statusItem()->button()->findChild<StatusBarItemView*>()->title();
    };
    test.capture.clear();

    QString typed;
    for (const QChar letter : QStringLiteral("Work")) {
        QTest::keyClick(field, letter.toLatin1());
        typed += letter;
        QVERIFY(test.store.data("app_settings")->contains("\"name\" : \"" + typed.toUtf8() + "\""));
        QCOMPARE(shownInStatusItem(), typed);
    }
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(test.capture.output.filter("💾 Settings saved").size(), 5);
    QCOMPARE(view.viewModel().spaceConfigs().at(5).name, "Work");
}

void TestMarkDesktopsView::closes_data() {
    QTest::addColumn<bool>("byEscape");
    QTest::newRow("Done") << false;
    QTest::newRow("Escape in a name field") << true;
}

void TestMarkDesktopsView::closes() {
    QFETCH(bool, byEscape);
    ViewUnderTest test({3}, 3);
    MarkDesktopsView& view = test.show();
    test.capture.clear();
    if (byEscape) {
        QTest::keyClick(view.rows()[0]->nameField(), Qt::Key_Escape);
    } else {
        QTest::mouseClick(view.doneButton(), Qt::LeftButton);
    }
    QVERIFY(!view.isVisible());
    QVERIFY(test.capture.output.isEmpty());
}

void TestMarkDesktopsView::tabVisitsEveryControlInListOrder() {
    ViewUnderTest test({3, 5}, 3);
    MarkDesktopsView& view = test.show();
    test.windowServer.spaces = QList<qint64>{1, 3, 5}; // a new first row comes last among the widgets
    view.viewModel().loadData();
    test.settle();
    view.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&view));

    QList<QWidget*> expected;
    for (SpaceConfigRow* row : view.rows()) {
        expected += row->focusOrder();
    }
    expected << view.launchAtLoginSwitch() << view.doneButton() << view.rows()[0]->nameField();
    view.rows()[0]->nameField()->setFocus();
    for (QWidget* next : expected.mid(1)) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
    QCOMPARE(expected.size(), 3 * 9 + 3);
    for (QWidget* control : expected) {
        QVERIFY(!QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).isEmpty());
    }
}

QTEST_MAIN(TestMarkDesktopsView)
#include "tst_markdesktopsview.moc"
