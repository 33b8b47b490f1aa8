#include "marking/SpaceConfigRow.h"

#include "PixelChecks.h"
#include "marking/ColorButton.h"
#include "marking/ColorPickerView.h"
#include "marking/CurrentBadge.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTranslator>

namespace {

// A row as the list makes it, recording every report.
struct RowUnderTest {
    explicit RowUnderTest(SpaceConfig config = {3, "", "#FF6B6B"}, qint64 index = 0, bool isCurrent = false)
        : row(
              config.id, index, config, isCurrent, [this](const QString& name) { names.append(name); },
              [this](const QString& color) { colors.append(color); }) {
        row.resize(580, row.sizeHint().height());
        row.show();
    }
    qsizetype selectedSwatch() const {
        const QList<ColorButton*>& buttons = row.colorPicker()->buttons();
        const auto selected = std::find_if(buttons.cbegin(), buttons.cend(), [](auto* b) { return b->isSelected(); });
        return selected == buttons.cend() ? -1 : selected - buttons.cbegin();
    }
    QColor dotCentre() { return row.grab().toImage().pixelColor(row.dotRect().center()); }

    QStringList names;
    QStringList colors;
    SpaceConfigRow row;
};

// The dot's colour at 90 % over the row's background.
QColor dotOver(const QColor& background, const QColor& color) {
    const auto mix = [](int under, int over) {
        return qRound(under + (over - under) * SpaceConfigRow::dotOpacity);
    };
    return QColor(mix(background.red(), color.red()), mix(background.green(), color.green()),
                  mix(background.blue(), color.blue()));
}

bool near(const QColor& a, const QColor& b) {
    return std::abs(a.red() - b.red()) <= 1 && std::abs(a.green() - b.green()) <= 1 &&
           std::abs(a.blue() - b.blue()) <= 1;
}

} // namespace

class TestSpaceConfigRow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(m_english.load("vantorel_en", ":/i18n"));
        QCoreApplication::installTranslator(&m_english);
    }

    void laysOutItsSixChildren() {
        RowUnderTest test({3, "Mail", "#FF6B6B"}, 9, true);
        SpaceConfigRow& row = test.row;
        QCOMPARE(row.numberLabel()->text(), "#10");
        QCOMPARE(row.badge()->text(), "Current");
        const QRect dot = row.dotRect();
        const QRect number = row.numberLabel()->geometry();
        const QRect badge = row.badge()->geometry();
        const QRect field = row.nameField()->geometry();
        QCOMPARE(dot, QRect(0, (row.height() - 14) / 2, 14, 14));
        QCOMPARE(number.left(), dot.right() + 1 + 8);
        QCOMPARE(number.width(), 32);
        QCOMPARE(badge.left(), number.right() + 1 + 8);
        QCOMPARE(badge.width(), 62);
        QCOMPARE(field.left(), badge.right() + 1 + 8);
        QCOMPARE(field.width(), 160);
        QCOMPARE(row.height(), field.height() + 2 * 8);
        QCOMPARE(row.nameField()->placeholderText(), "Desktop Name");

        const QRect palette = row.colorPicker()->geometry().marginsRemoved(ColorButton::overhang);
        QCOMPARE(palette.size(), QSize(227, 24));
        QCOMPARE(palette.right(), row.width() - 1);
        QCOMPARE(palette.center().y(), dot.center().y());

        row.rebuild(0, false);
        QCOMPARE(row.numberLabel()->text(), "#1");
        QVERIFY(row.badge()->badgeRect().isEmpty());
        QCOMPARE(row.badge()->width(), 62);
    }

    void reportsEveryEditAndReturnOnceMore() {
        RowUnderTest test;
        QTest::keyClicks(test.row.nameField(), "Work");
        QCOMPARE(test.names, (QStringList{"W", "Wo", "Wor", "Work"}));
        QTest::keyClick(test.row.nameField(), Qt::Key_Return);
        QCOMPARE(test.names.size(), 5);
        QCOMPARE(test.names.constLast(), "Work");

        test.names.clear();
        QTest::keyClick(test.row.nameField(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(test.row.nameField(), Qt::Key_Backspace);
        QTest::keyClicks(test.row.nameField(), "  a ");
        QCOMPARE(test.names, (QStringList{"", " ", "  ", "  a", "  a "}));
        QVERIFY(test.colors.isEmpty());
    }

    void reportsANewColourOnce() {
        RowUnderTest test;
        ColorButton* second = test.row.colorPicker()->buttons().at(1);
        QTest::mouseClick(second, Qt::LeftButton, {}, second->swatchRect().center());
        QCOMPARE(test.colors, QStringList{"#6BA3FF"});
        QCOMPARE(test.row.localColor(), "#6BA3FF");
        QCOMPARE(test.selectedSwatch(), 1);
        const QColor base = test.row.palette().color(QPalette::Base);
        QVERIFY(near(test.dotCentre(), dotOver(base, QColor("#6BA3FF"))));

        QTest::mouseClick(second, Qt::LeftButton, {}, second->swatchRect().center());
        QCOMPARE(test.colors.size(), 1);
        QVERIFY(test.names.isEmpty());
    }

    void showsStoredColours_data() {
        QTest::addColumn<QString>("color");
        QTest::addColumn<QColor>("dot");
        QTest::addColumn<int>("selectedSwatch");
        QTest::newRow("palette colour") << "#6BCF7F" << QColor("#6BCF7F") << 2;
        QTest::newRow("outside the palette") << "#2E8B57" << QColor("#2E8B57") << -1;
        QTest::newRow("palette colour in lower case") << "#6bcf7f" << QColor("#6BCF7F") << -1;
        QTest::newRow("unreadable") << "blue" << QColor(Qt::black) << -1;
    }

    void showsStoredColours() {
        QFETCH(QString, color);
        QFETCH(QColor, dot);
        QFETCH(int, selectedSwatch);
        RowUnderTest test({3, "Mail", color});
        QCOMPARE(test.selectedSwatch(), selectedSwatch);
        QVERIFY(near(test.dotCentre(), dotOver(test.row.palette().color(QPalette::Base), dot)));
    }

    void keepsItsEditsAcrossRebuilds() {
        RowUnderTest test({3, "Mail", "#FF6B6B"});
        QTest::keyClicks(test.row.nameField(), "!");
        test.row.rebuild(1, true);
        QCOMPARE(test.row.nameField()->text(), "Mail!");
        QCOMPARE(test.row.localName(), "Mail!");
        QCOMPARE(test.row.numberLabel()->text(), "#2");
        QCOMPARE(test.names, QStringList{"Mail!"});
    }

private:
    QTranslator m_english;
};

QTEST_MAIN(TestSpaceConfigRow)
#include "tst_spaceconfigrow.moc"
