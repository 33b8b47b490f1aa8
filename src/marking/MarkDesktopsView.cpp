// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "marking/MarkDesktopsView.h"

#include "marking/InfoSymbol.h"
#include "marking/OverhangingWidgetItem.h"
#include "marking/ProminentButton.h"
#include "marking/SpaceConfigRow.h"
#include "marking/SystemStyle.h"
#include "marking/ToggleSwitch.h"
#include "core/Diagnostics.h"
#include "core/LocalizedTexts.h"
#include "core/TextKeys.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollArea>
#include <QShowEvent>

#include <set>
#include <utility>

namespace {

constexpr int instructionBarPadding = 8;
constexpr int switchAndButtonBarPadding = 16;
constexpr int emptyStatePadding = 40;

// Bars are layouts, not widgets of their own: their controls are the view's children, so that focus rings may reach
// into the side padding.
QHBoxLayout* barLayout(int verticalPadding) {
    auto* layout = new QHBoxLayout;
    layout->setContentsMargins(0, verticalPadding, 0, verticalPadding);
    layout->setSpacing(SystemStyle::defaultSpacing);
    return layout;
}

} // namespace

MarkDesktopsView::MarkDesktopsView(MarkDesktopsViewModel::Services services, QWidget* parent)
    : QWidget(parent)
    , m_viewModel(std::make_unique<MarkDesktopsViewModel>(std::move(services))) {
    setFixedSize(contentSize);
    setAutoFillBackground(true);
    setBackgroundRole(SystemStyle::controlBackground);

    auto* stack = new QVBoxLayout(this);
    stack->setContentsMargins(sidePadding, 0, sidePadding, 0);
    stack->setSpacing(0);
    stack->addLayout(makeInstructionBar());
    stack->addWidget(makeDivider());
    stack->addWidget(makeList(), 1);
    stack->addWidget(makeDivider());
    stack->addLayout(makeSwitchBar());
    stack->addWidget(makeDivider());
    stack->addLayout(makeButtonBar());

    connect(m_viewModel.get(), &MarkDesktopsViewModel::objectWillChange, this, &MarkDesktopsView::scheduleRebuild);
    rebuild();
}

// Rows call the view model from their callbacks: they go before it does.
MarkDesktopsView::~MarkDesktopsView() {
    qDeleteAll(m_rowOrder);
}

QHBoxLayout* MarkDesktopsView::makeInstructionBar() {
    QHBoxLayout* layout = barLayout(instructionBarPadding);
    auto* hint = new QLabel(LocalizedTexts::localized(TextKeys::instructionsHint), this);
    hint->setTextFormat(Qt::PlainText);
    hint->setWordWrap(true);
    hint->setFont(SystemStyle::font(SystemStyle::TextStyle::caption));
    hint->setForegroundRole(SystemStyle::secondaryLabel);
    layout->addWidget(new InfoSymbol(this));
    layout->addWidget(hint, 1);
    return layout;
}

QScrollArea* MarkDesktopsView::makeList() {
    m_list = new QScrollArea(this);
    m_list->setFrameShape(QFrame::NoFrame);
    // Tab goes from control to control; the list scrolls to show the one reached.
    m_list->setFocusPolicy(Qt::NoFocus);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setWidgetResizable(true);
    m_list->viewport()->setBackgroundRole(SystemStyle::controlBackground);

    auto* content = new QWidget(m_list);
    m_rowStack = new QVBoxLayout(content);
    m_rowStack->setContentsMargins(0, 0, 0, 0);
    m_rowStack->setSpacing(0);
    m_emptyState = new QLabel(LocalizedTexts::localized(TextKeys::noDesktopsDetected), content);
    m_emptyState->setTextFormat(Qt::PlainText);
    m_emptyState->setWordWrap(true);
    m_emptyState->setAlignment(Qt::AlignCenter);
    m_emptyState->setMargin(emptyStatePadding);
    m_emptyState->setForegroundRole(SystemStyle::secondaryLabel);
    m_emptyState->setFont(SystemStyle::font(SystemStyle::TextStyle::body));
    m_rowStack->addWidget(m_emptyState);
    m_rowStack->addStretch();
    m_list->setWidget(content);
    return m_list;
}

QHBoxLayout* MarkDesktopsView::makeSwitchBar() {
    QHBoxLayout* layout = barLayout(switchAndButtonBarPadding);
    auto* label = new QLabel(LocalizedTexts::localized(TextKeys::launchAtLogin), this);
    label->setTextFormat(Qt::PlainText);
    label->setFont(SystemStyle::font(SystemStyle::TextStyle::headline));
    label->setForegroundRole(SystemStyle::primaryLabel);
    m_switch = new ToggleSwitch(this);
    m_switch->setAccessibleName(label->text());
    // The switch writes the view model directly; the rebuild that follows hands the new value on.
    connect(m_switch, &ToggleSwitch::clicked, this, [this](bool on) { m_viewModel->setLaunchAtLogin(on); });
    layout->addWidget(label);
    layout->addStretch();
    layout->addItem(new OverhangingWidgetItem(m_switch, ToggleSwitch::overhang));
    return layout;
}

QHBoxLayout* MarkDesktopsView::makeButtonBar() {
    QHBoxLayout* layout = barLayout(switchAndButtonBarPadding);
    m_doneButton = new ProminentButton(LocalizedTexts::localized(TextKeys::done), this);
    m_doneButton->setDefault(true);
    connect(m_doneButton, &QPushButton::clicked, this, &MarkDesktopsView::dismiss);
    layout->addStretch();
    layout->addItem(new OverhangingWidgetItem(m_doneButton, ProminentButton::overhang));
    return layout;
}

QWidget* MarkDesktopsView::makeDivider() {
    auto* divider = new QWidget(this);
    divider->setFixedHeight(1);
    divider->setAutoFillBackground(true);
    divider->setBackgroundRole(SystemStyle::separator);
    return divider;
}

void MarkDesktopsView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The system showing the window again (after another desktop was visited) is not a new showing.
    if (event->spontaneous()) {
        return;
    }
    Diagnostics::print(QStringLiteral("🔄 Refreshing Spaces in settings window..."));
    m_viewModel->loadData();
}

// Escape reaches here from every control, none of which uses it.
void MarkDesktopsView::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Cancel)) {
        dismiss();
        return;
    }
    QWidget::keyPressEvent(event);
}

// Announcements come before the change, and a load makes many: one rebuild on the next turn sees them all.
void MarkDesktopsView::scheduleRebuild() {
    if (m_rebuildScheduled) {
        return;
    }
    m_rebuildScheduled = true;
    QMetaObject::invokeMethod(
        this, [this] { rebuild(); }, Qt::QueuedConnection);
}

void MarkDesktopsView::rebuild() {
    m_rebuildScheduled = false;
    rebuildRows();
    rebuildSwitch();
}

void MarkDesktopsView::rebuildRows() {
    const QList<SpaceID>& spaceIDs = m_viewModel->allSpaceIDs();
    const std::map<SpaceID, SpaceConfig>& configs = m_viewModel->spaceConfigs();
    const SpaceID currentSpaceID = m_viewModel->currentSpaceID();
    QList<SpaceConfigRow*> order;
    std::set<SpaceID> listed;
    for (qsizetype index = 0; index < spaceIDs.size(); ++index) {
        const SpaceID spaceID = spaceIDs[index];
        const auto config = configs.find(spaceID);
        // A Space without configuration has no row, and a Space listed twice has one, at its first place; the
        // positions of the rows after it stay as listed.
        if (config == configs.end() || !listed.insert(spaceID).second) {
            continue;
        }
        SpaceConfigRow*& row = m_rows[spaceID];
        if (row == nullptr) {
            MarkDesktopsViewModel* viewModel = m_viewModel.get();
            row = new SpaceConfigRow(
                spaceID, index, config->second, spaceID == currentSpaceID,
                [viewModel, spaceID](const QString& name) { viewModel->updateName(spaceID, name); },
                [viewModel, spaceID](const QString& color) { viewModel->updateColor(spaceID, color); },
                m_list->widget());
        } else {
            row->rebuild(index, spaceID == currentSpaceID);
        }
        order.append(row);
    }
    for (auto entry = m_rows.begin(); entry != m_rows.end();) {
        if (listed.contains(entry->first)) {
            ++entry;
            continue;
        }
        delete entry->second;
        entry = m_rows.erase(entry);
    }
    m_emptyState->setVisible(spaceIDs.isEmpty());
    if (order == m_rowOrder) {
        return;
    }
    for (qsizetype position = 0; position < order.size(); ++position) {
        m_rowStack->removeWidget(order[position]);
        m_rowStack->insertWidget(static_cast<int>(position), order[position]);
    }
    m_rowOrder = std::move(order);
    updateTabOrder();
}

// The switch acts on its value, not on the gesture: a new value from the switch or from a reload alike reaches
// toggleLaunchAtLogin once. The first rendering only shows the value.
void MarkDesktopsView::rebuildSwitch() {
    const bool launchAtLogin = m_viewModel->launchAtLogin();
    m_switch->setChecked(launchAtLogin);
    const std::optional<bool> previous = std::exchange(m_renderedLaunchAtLogin, launchAtLogin);
    if (previous.has_value() && *previous != launchAtLogin) {
        m_viewModel->toggleLaunchAtLogin(launchAtLogin);
    }
}

// New rows come last in Qt's focus chain: put every row's controls back in list order, before the switch and Done.
void MarkDesktopsView::updateTabOrder() {
    QWidget* previous = nullptr;
    for (SpaceConfigRow* row : std::as_const(m_rowOrder)) {
        for (QWidget* control : row->focusOrder()) {
            if (previous != nullptr) {
                setTabOrder(previous, control);
            }
            previous = control;
        }
    }
    if (previous != nullptr) {
        setTabOrder(previous, m_switch);
    }
    setTabOrder(m_switch, m_doneButton);
}

void MarkDesktopsView::dismiss() {
    window()->close();
}
