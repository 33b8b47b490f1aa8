#include "marking/ColorPickerView.h"

#include "marking/ColorButton.h"
#include "marking/OverhangingWidgetItem.h"
#include "settings/SettingsManager.h"

#include <QHBoxLayout>
#include <QTest>

namespace {

// A picker on the shared palette, bound to a text that records every write.
struct PickerUnderTest {
    explicit PickerUnderTest(QString selected)
        : selectedColor(std::move(selected))
        , picker({[this] { return selectedColor; },
                  [this](const QString& color) {
                      selectedColor = color;
                      writes.append(color);
                  }},
                 {SettingsManager::defaultColors.cbegin(), SettingsManager::defaultColors.cend()}) {}

    QList<int> marked() const {
        QList<int> marked;
        for (int i = 0; i < picker.buttons().size(); ++i) {
            if (picker.buttons()[i]->isSelected()) {
                marked.append(i);
            }
        }
        return marked;
    }
    void click(int swatch) {
        ColorButton* button = picker.buttons().at(swatch);
        QTest::mouseClick(button, Qt::LeftButton, {}, button->swatchRect().center());
    }

    QString selectedColor;
    QStringList writes;
    ColorPickerView picker;
};

} // namespace

class TestColorPickerView : public QObject {
    Q_OBJECT

private slots:
    void takes227By24InALayout() {
        QWidget row;
        PickerUnderTest test("#FF6B6B");
        test.picker.setParent(&row);
        auto* layout = new QHBoxLayout(&row);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addItem(new OverhangingWidgetItem(&test.picker, ColorButton::overhang));
        QCOMPARE(layout->sizeHint(), QSize(227, 24));
        row.resize(227, 24);
        layout->activate();
        for (int i = 0; i < 8; ++i) {
            const ColorButton* button = test.picker.buttons()[i];
            QCOMPARE(button->swatchRect().translated(button->mapTo(&row, QPoint())), QRect(i * 29, 0, 24, 24));
        }
    }

    void marksTheExactText_data() {
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QList<int>>("marked");
        QTest::newRow("second colour") << "#6BA3FF" << QList<int>{1};
        QTest::newRow("lower case matches none") << "#6ba3ff" << QList<int>{};
        QTest::newRow("outside the palette") << "#123456" << QList<int>{};
    }

    void marksTheExactText() {
        QFETCH(QString, selected);
        QFETCH(QList<int>, marked);
        PickerUnderTest test(selected);
        QCOMPARE(test.marked(), marked);
    }

    void clickWritesTheSwatchText() {
        PickerUnderTest test("#6BA3FF");
        test.click(4);
        QCOMPARE(test.writes, QStringList{"#B76BFF"});
        QCOMPARE(test.marked(), QList<int>{4});
        test.click(4);
        QCOMPARE(test.writes, (QStringList{"#B76BFF", "#B76BFF"}));
        QCOMPARE(test.marked(), QList<int>{4});
    }
};

QTEST_MAIN(TestColorPickerView)
#include "tst_colorpickerview.moc"
