// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "statusbar/StatusItem.h"

StatusBarButton::StatusBarButton(QWidget* parent)
    : QWidget(parent) {}

QList<QWidget*> StatusBarButton::subviews() const {
    return findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
}

void StatusBarButton::addSubview(QWidget* view) {
    view->setParent(this);
}

void StatusBarButton::removeSubview(QWidget* view) {
    if (view->parentWidget() == this) {
        delete view;
    }
}

void StatusBarButton::click(ClickEvent event) {
    if ((m_sendActionOn & event) != 0 && m_action) {
        m_action(this);
    }
}

StatusItem::StatusItem(std::unique_ptr<StatusBarButton> button)
    : m_button(std::move(button)) {}

StatusItem::~StatusItem() = default;

void StatusItem::setLabel(const StatusLabel& label) {
    if (label == m_label) {
        return;
    }
    m_label = label;
    emit labelChanged(label);
}
