// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "marking/SpaceConfigRow.h"

#include "marking/ColorButton.h"
#include "marking/ColorPickerView.h"
#include "marking/CurrentBadge.h"
#include "marking/OverhangingWidgetItem.h"
#include "marking/SystemStyle.h"
#include "marking/ViewColor.h"
#include "settings/SettingsManager.h"
#include "core/LocalizedTexts.h"
#include "core/TextKeys.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

namespace {

constexpr QMargins nameFieldPadding{8, 5, 8, 5};
constexpr qreal borderOpacity = 0.15;

QStringList paletteColors() {
    return {SettingsManager::defaultColors.cbegin(), SettingsManager::defaultColors.cend()};
}

} // namespace

SpaceConfigRow::SpaceConfigRow(SpaceID spaceID, qint64 index, const SpaceConfig& config, bool isCurrent,
                               TextCallback onNameChange, TextCallback onColorChange, QWidget* parent)
    : QWidget(parent)
    , m_spaceID(spaceID)
    , m_index(index)
    , m_localName(config.name)
    , m_localColor(config.color)
    , m_onNameChange(std::move(onNameChange))
    , m_onColorChange(std::move(onColorChange))
    , m_dotSlot(new QWidget(this))
    , m_numberLabel(new QLabel(this))
    , m_badge(new CurrentBadge(isCurrent, this))
    , m_nameField(new QLineEdit(m_localName, this))
    , m_picker(new ColorPickerView({[this] { return m_localColor; },
                                    [this](const QString& c) {
                                        setLocalColor(c);
                                    }},
                                   paletteColors(), this)) {
    // An empty widget, not a spacer item: box layouts put no spacing next to spacer items. The row paints the dot.
    m_dotSlot->setFixedSize(dotDiameter, dotDiameter);
    m_numberLabel->setTextFormat(Qt::PlainText);
    m_numberLabel->setFont(SystemStyle::font(SystemStyle::TextStyle::monospaced, QFont::DemiBold));
    m_numberLabel->setForegroundRole(SystemStyle::primaryLabel);
    m_numberLabel->setFixedWidth(numberColumnWidth);

    m_nameField->setFrame(false);
    m_nameField->setTextMargins(nameFieldPadding);
    m_nameField->setFont(SystemStyle::font(SystemStyle::TextStyle::body));
    m_nameField->setPlaceholderText(LocalizedTexts::localized(TextKeys::namePlaceholder));
    m_nameField->setFixedWidth(nameFieldWidth);
    connect(m_nameField, &QLineEdit::textChanged, this, &SpaceConfigRow::setLocalName);
    connect(m_nameField, &QLineEdit::returnPressed, this, [this] { m_onNameChange(m_localName); });

    auto* stack = new QHBoxLayout(this);
    stack->setContentsMargins(0, verticalPadding, 0, verticalPadding);
    stack->setSpacing(SystemStyle::defaultSpacing);
    stack->addWidget(m_dotSlot);
    stack->addWidget(m_numberLabel);
    stack->addWidget(m_badge);
    stack->addWidget(m_nameField);
    stack->addStretch();
    stack->addItem(new OverhangingWidgetItem(m_picker, ColorButton::overhang));

    showIndex();
}

bool SpaceConfigRow::isCurrent() const {
    return m_badge->isCurrent();
}

void SpaceConfigRow::rebuild(qint64 index, bool isCurrent) {
    if (index != m_index) {
        m_index = index;
        showIndex();
    }
    m_badge->setCurrent(isCurrent);
}

void SpaceConfigRow::showIndex() {
    const QString number = LocalizedTexts::formatInteger(LocalizedTexts::localized(TextKeys::rowNumber), m_index + 1);
    m_numberLabel->setText(number);
    m_nameField->setAccessibleName(number + u' ' + m_nameField->placeholderText());
}

void SpaceConfigRow::setLocalName(const QString& name) {
    if (name == m_localName) {
        return;
    }
    m_localName = name;
    m_onNameChange(m_localName);
}

void SpaceConfigRow::setLocalColor(const QString& color) {
    if (color == m_localColor) {
        return;
    }
    m_localColor = color;
    update(dotRect());
    m_onColorChange(m_localColor);
}

QRect SpaceConfigRow::dotRect() const {
    return m_dotSlot->geometry();
}

QList<QWidget*> SpaceConfigRow::focusOrder() const {
    QList<QWidget*> order{m_nameField};
    for (ColorButton* button : m_picker->buttons()) {
        order.append(button);
    }
    return order;
}

void SpaceConfigRow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(SystemStyle::controlBackground));
    painter.setRenderHint(QPainter::Antialiasing);

    QColor dot = viewColorFromHex(m_localColor);
    dot.setAlphaF(static_cast<float>(dot.alphaF() * dotOpacity));
    painter.setPen(Qt::NoPen);
    painter.setBrush(dot);
    painter.drawEllipse(dotRect());

    // The line lies inside the row's bounds: its rectangle is inset by half its width.
    QColor border = palette().color(SystemStyle::separator);
    border.setAlphaF(static_cast<float>(borderOpacity));
    painter.setPen(QPen(border, 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}
