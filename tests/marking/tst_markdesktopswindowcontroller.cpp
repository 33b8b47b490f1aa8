// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "marking/MarkDesktopsWindowController.h"

#include "MarkingFixture.h"
#include "marking/MarkDesktopsView.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTest>

class TestMarkDesktopsWindowController : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(installEnglishTexts()); }

    void opensACentredFixedWindowAndReopensItWithFreshContent() {
        MarkingFixture fixture({3, 5}, 5);
        MarkDesktopsWindowController controller([&] { return std::make_unique<MarkDesktopsView>(fixture.services()); });
        controller.openMarkDesktopsWindow();
        QWidget* window = controller.window();
        QVERIFY(window->isVisible());
        QCOMPARE(window->maximumSize(), window->minimumSize());
        QVERIFY(window->windowFlags().testFlags(Qt::WindowTitleHint | Qt::WindowCloseButtonHint));
        QVERIFY(!window->windowFlags().testAnyFlags(Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
        QCOMPARE(window->geometry().center(), QGuiApplication::primaryScreen()->availableGeometry().center());
        const QPointer<QWidget> firstContent = controller.contentView();
        window->move(10, 20);
        window->close();
        fixture.capture.clear();

        controller.openMarkDesktopsWindow();
        QCOMPARE(controller.window(), window);
        QVERIFY(window->isVisible());
        QCOMPARE(window->pos(), QPoint(10, 20));
        QVERIFY(firstContent.isNull()); // its address may be the new content's
        QCOMPARE(window->findChildren<MarkDesktopsView*>().size(), 1);
        QCOMPARE(fixture.capture.output.filter(QRegularExpression("deallocated|Refreshing Spaces in|loadData")),
                 (QStringList{"🔄 ViewModel loadData called", "🗑️ MarkDesktopsViewModel deallocated",
                              "🔄 Refreshing Spaces in settings window...", "🔄 ViewModel loadData called"}));
    }
};

QTEST_MAIN(TestMarkDesktopsWindowController)
#include "tst_markdesktopswindowcontroller.moc"
