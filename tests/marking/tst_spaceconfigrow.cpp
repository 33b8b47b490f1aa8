// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "marking/SpaceConfigRow.h"

#include "DiagnosticsCapture.h"
#include "PixelChecks.h"
#include "marking/ColorButton.h"
#include "marking/ColorPickerView.h"
#include "marking/CurrentBadge.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

// A row as the list makes it, 580 wide, recording every report.
struct RowUnderTest {
    explicit RowUnderTest(const QString& color = "#FF6B6B", qint64 index = 0, bool isCurrent = false)
        : row(
              3, index, {3, "", color}, isCurrent, [this](const QString& n) { names << n; },
              [this](const QString& c) { colors << c; }) {
        row.resize(580, row.sizeHint().height());
        row.show();
    }
    int selectedSwatch() const {
        const QList<ColorButton*>& buttons = row.colorPicker()->buttons();
        for (int i = 0; i < buttons.size(); ++i) {
            if (buttons[i]->isSelected()) {
                return i;
            }
        }
        return -1;
    }
    // The dot is the colour at 90 % over the row's background.
    bool dotShows(const QColor& color) {
        const QColor under = row.palette().color(QPalette::Base);
        const auto mix = [](int u, int o) {
            return qRound(u + (o - u) * SpaceConfigRow::dotOpacity);
        };
        return pixelIs(
            row.grab().toImage(), row.dotRect().center(),
            QColor(mix(under.red(), color.red()), mix(under.green(), color.green()), mix(under.blue(), color.blue())));
    }

    QStringList names;
    QStringList colors;
    SpaceConfigRow row;
};

} // namespace

class TestSpaceConfigRow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(installEnglishTexts()); }

    // Dot, number, badge and name field from the leading edge; the palette after them.
    void laysOutItsChildren() {
        RowUnderTest test("#FF6B6B", 9, true);
        const SpaceConfigRow& row = test.row;
        QCOMPARE(row.numberLabel()->text(), "#10");
        QCOMPARE(row.badge()->text(), "Current");
        const QList<QRect> boxes{row.dotRect(), row.numberLabel()->geometry(), row.badge()->geometry(),
                                 row.nameField()->geometry(), row.colorPicker()->geometry()};
        for (int i = 1; i < boxes.size(); ++i) {
            QVERIFY(boxes[i].left() > boxes[i - 1].right());
        }
    }

    void reportsEveryEditAndReturnOnceMore() {
        RowUnderTest test;
        QTest::keyClicks(test.row.nameField(), "Work");
        QTest::keyClick(test.row.nameField(), Qt::Key_Return);
        QTest::keyClick(test.row.nameField(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(test.row.nameField(), Qt::Key_Backspace);
        QTest::keyClicks(test.row.nameField(), " a");
        QCOMPARE(test.names, (QStringList{"W", "Wo", "Wor", "Work", "Work", "", " ", " a"}));
        QVERIFY(test.colors.isEmpty());
    }

    // Only a click on the disc counts, and only a new colour is reported; the selection follows it.
    void reportsANewColourOnce() {
        RowUnderTest test;
        const QList<ColorButton*>& buttons = test.row.colorPicker()->buttons();
        QTest::mouseClick(buttons[2], Qt::LeftButton, {}, QPoint(1, 1)); // the shadow's margin
        for (int click = 0; click < 2; ++click) {
            QTest::mouseClick(buttons[1], Qt::LeftButton, {}, buttons[1]->swatchRect().center());
        }
        QCOMPARE(test.colors, QStringList{"#6BA3FF"});
        QCOMPARE(test.selectedSwatch(), 1);
        QVERIFY(test.dotShows(QColor("#6BA3FF")));
        QVERIFY(test.names.isEmpty());
        QCOMPARE(buttons[1]->toolTip(), "#6BA3FF");
    }

    void showsTheStoredColour_data() {
        QTest::addColumn<QString>("color");
        QTest::addColumn<QColor>("dot");
        QTest::addColumn<int>("selectedSwatch");
        QTest::newRow("outside the palette") << "#2E8B57" << QColor("#2E8B57") << -1;
        QTest::newRow("palette colour in lower case") << "#6bcf7f" << QColor("#6BCF7F") << -1;
        QTest::newRow("unreadable") << "blue" << QColor(Qt::black) << -1;
    }

    void showsTheStoredColour() {
        QFETCH(QString, color);
        QFETCH(QColor, dot);
        QFETCH(int, selectedSwatch);
        RowUnderTest test(color);
        QCOMPARE(test.selectedSwatch(), selectedSwatch);
        QVERIFY(test.dotShows(dot));
    }
};

QTEST_MAIN(TestSpaceConfigRow)
#include "tst_spaceconfigrow.moc"
