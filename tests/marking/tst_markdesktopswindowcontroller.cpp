#include "marking/MarkDesktopsWindowController.h"

#include "MarkingFixture.h"
#include "marking/MarkDesktopsView.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QTranslator>

namespace {

// A controller whose content is built on managers in a temporary folder.
struct ControllerUnderTest : MarkingFixture {
    ControllerUnderTest()
        : MarkingFixture({3, 5}, 5)
        , controller([this] { return std::make_unique<MarkDesktopsView>(services()); }) {}

    void open() {
        controller.openMarkDesktopsWindow();
        QCoreApplication::processEvents();
    }

    MarkDesktopsWindowController controller;
};

} // namespace

class TestMarkDesktopsWindowController : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(m_english.load("vantorel_en", ":/i18n"));
        QCoreApplication::installTranslator(&m_english);
    }

    void firstOpeningMakesACentredFixedWindow() {
        ControllerUnderTest test;
        QVERIFY(test.controller.window() == nullptr);
        test.open();
        QWidget* window = test.controller.window();
        QVERIFY(window->isVisible());
        QVERIFY(window->grab().save(QDir::temp().filePath("vantorel-marking-window.png")));
        QCOMPARE(window->windowTitle(), "Mark My Desktops");
        QCOMPARE(window->size(), QSize(680, 560));
        QCOMPARE(window->minimumSize(), window->maximumSize());
        const Qt::WindowFlags flags = window->windowFlags();
        QVERIFY(flags.testFlags(Qt::WindowTitleHint | Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testAnyFlags(Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
        QCOMPARE(window->geometry().center(), QGuiApplication::primaryScreen()->availableGeometry().center());
        QCOMPARE(test.controller.contentView()->geometry(), QRect(30, 0, 620, 560));
    }

    void reopeningBringsFreshContentWhereTheWindowWas_data() {
        QTest::addColumn<bool>("closedFirst");
        QTest::newRow("while open") << false;
        QTest::newRow("after closing") << true;
    }

    void reopeningBringsFreshContentWhereTheWindowWas() {
        QFETCH(bool, closedFirst);
        ControllerUnderTest test;
        test.open();
        QWidget* window = test.controller.window();
        const QWidget* firstContent = test.controller.contentView();
        window->move(10, 20);
        if (closedFirst) {
            window->close();
        }
        test.capture.clear();

        test.open();
        QCOMPARE(test.controller.window(), window);
        QVERIFY(window->isVisible());
        QCOMPARE(window->pos(), QPoint(10, 20));
        QVERIFY(test.controller.contentView() != firstContent);
        QCOMPARE(window->findChildren<MarkDesktopsView*>().size(), 1);
        QCOMPARE(test.capture.output.filter("🗑️ MarkDesktopsViewModel deallocated").size(), 1);
        QCOMPARE(test.capture.output.filter("🔄 Refreshing Spaces in settings window...").size(), 1);
    }

private:
    QTranslator m_english;
};

QTEST_MAIN(TestMarkDesktopsWindowController)
#include "tst_markdesktopswindowcontroller.moc"
