// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "marking/MarkDesktopsViewModel.h"

#include <QWidget>

#include <map>
#include <memory>
#include <optional>

class ProminentButton;
class QHBoxLayout;
class QLabel;
class QScrollArea;
class QVBoxLayout;
class SpaceConfigRow;
class ToggleSwitch;

// The whole content of the marking window, a fixed 620 × 560: the instruction, the list of Spaces (or a note that
// there are none), the launch-at-login switch and the Done button. It owns its view model, reloads it every time it
// is shown, and rebuilds from it on the turn after each announced change. Rows are kept by SpaceID across rebuilds,
// so each keeps the name and colour being edited, and its focus.
class MarkDesktopsView : public QWidget {
    Q_OBJECT

public:
    static constexpr QSize contentSize{620, 560};
    static constexpr int sidePadding = 20;

    explicit MarkDesktopsView(MarkDesktopsViewModel::Services services = MarkDesktopsViewModel::Services::shared(),
                              QWidget* parent = nullptr);
    ~MarkDesktopsView() override;

    MarkDesktopsViewModel& viewModel() const { return *m_viewModel; }
    // The rows shown, top to bottom.
    const QList<SpaceConfigRow*>& rows() const { return m_rowOrder; }
    QScrollArea* list() const { return m_list; }
    QLabel* emptyStateLabel() const { return m_emptyState; }
    ToggleSwitch* launchAtLoginSwitch() const { return m_switch; }
    ToggleSwitch* namesInWindowManagerSwitch() const { return m_namesSwitch; }
    ProminentButton* doneButton() const { return m_doneButton; }

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QHBoxLayout* makeInstructionBar();
    QScrollArea* makeList();
    QHBoxLayout* makeSwitchBar(const char* textKey, ToggleSwitch* toggle);
    QHBoxLayout* makeButtonBar();
    QWidget* makeDivider();

    void scheduleRebuild();
    void rebuild();
    void rebuildRows();
    void rebuildSwitch();
    void updateTabOrder();
    // Ends the presentation: closes the window the view is in.
    void dismiss();

    std::unique_ptr<MarkDesktopsViewModel> m_viewModel;
    std::map<SpaceID, SpaceConfigRow*> m_rows;
    QList<SpaceConfigRow*> m_rowOrder;
    // The switch's value at the previous rebuild; none before the first.
    std::optional<bool> m_renderedLaunchAtLogin;
    bool m_rebuildScheduled = false;

    QScrollArea* m_list = nullptr;
    QVBoxLayout* m_rowStack = nullptr;
    QLabel* m_emptyState = nullptr;
    ToggleSwitch* m_switch = nullptr;
    ToggleSwitch* m_namesSwitch = nullptr;
    ProminentButton* m_doneButton = nullptr;
};
