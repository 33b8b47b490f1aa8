// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QPointer>
#include <QSize>
#include <QWidget>

#include <functional>
#include <memory>

// The host of the marking window: one window, made on the first opening and kept for the rest of the run. Every
// opening installs fresh content (a new MarkDesktopsView, and with it a new view model) and brings the window to the
// front; the first also places it in the middle of the screen, later ones leave it where the user put it.
class MarkDesktopsWindowController {
public:
    using ContentFactory = std::function<std::unique_ptr<QWidget>()>;

    static constexpr QSize windowContentSize{680, 560};

    // `makeContent` builds each opening's content; by default a MarkDesktopsView on the program's managers.
    explicit MarkDesktopsWindowController(ContentFactory makeContent = defaultContent());

    static ContentFactory defaultContent();

    // Null until the first opening.
    QWidget* window() const { return m_window.get(); }
    QWidget* contentView() const { return m_content; }

    void openMarkDesktopsWindow();

private:
    void createWindow();
    void installContent();

    ContentFactory m_makeContent;
    std::unique_ptr<QWidget> m_window;
    QPointer<QWidget> m_content;
};
