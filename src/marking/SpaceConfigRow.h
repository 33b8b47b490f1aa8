// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "settings/SettingsModel.h"

#include <QWidget>

#include <functional>

class ColorPickerView;
class CurrentBadge;
class QLabel;
class QLineEdit;

// One Space in the marking window's list: its colour dot, its number, the "current" badge, an editable name and the
// palette. It edits copies of the name and colour, seeded from the configuration when the row is made and kept
// for as long as the row stays in the list, and reports every change through its callbacks, texts exactly as typed.
class SpaceConfigRow : public QWidget {
    Q_OBJECT

public:
    using TextCallback = std::function<void(const QString&)>;

    static constexpr int dotDiameter = 14;
    static constexpr qreal dotOpacity = 0.9;
    static constexpr int numberColumnWidth = 32;
    static constexpr int nameFieldWidth = 160;
    static constexpr int verticalPadding = 8;

    SpaceConfigRow(SpaceID spaceID, qint64 index, const SpaceConfig& config, bool isCurrent, TextCallback onNameChange,
                   TextCallback onColorChange, QWidget* parent = nullptr);

    SpaceID spaceID() const { return m_spaceID; }
    qint64 index() const { return m_index; }
    bool isCurrent() const;
    const QString& localName() const { return m_localName; }
    const QString& localColor() const { return m_localColor; }

    // The list was rebuilt: the position and the badge follow it; the name and colour being edited stay.
    void rebuild(qint64 index, bool isCurrent);

    QLineEdit* nameField() const { return m_nameField; }
    QLabel* numberLabel() const { return m_numberLabel; }
    CurrentBadge* badge() const { return m_badge; }
    ColorPickerView* colorPicker() const { return m_picker; }
    QRect dotRect() const;
    // The row's controls in keyboard order: the name field, then the swatches.
    QList<QWidget*> focusOrder() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void showIndex();
    void setLocalName(const QString& name);
    void setLocalColor(const QString& color);

    const SpaceID m_spaceID;
    qint64 m_index;
    QString m_localName;
    QString m_localColor;
    const TextCallback m_onNameChange;
    const TextCallback m_onColorChange;

    QWidget* m_dotSlot;
    QLabel* m_numberLabel;
    CurrentBadge* m_badge;
    QLineEdit* m_nameField;
    ColorPickerView* m_picker;
};
