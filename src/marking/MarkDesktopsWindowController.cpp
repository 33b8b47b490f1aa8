// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#include "marking/MarkDesktopsWindowController.h"

#include "marking/MarkDesktopsView.h"
#include "marking/SystemStyle.h"
#include "core/LocalizedTexts.h"
#include "core/TextKeys.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QScreen>

#include <utility>

MarkDesktopsWindowController::MarkDesktopsWindowController(ContentFactory makeContent)
    : m_makeContent(std::move(makeContent)) {}

MarkDesktopsWindowController::ContentFactory MarkDesktopsWindowController::defaultContent() {
    return [] {
        return std::make_unique<MarkDesktopsView>();
    };
}

void MarkDesktopsWindowController::openMarkDesktopsWindow() {
    if (!m_window) {
        createWindow();
    }
    installContent();
    m_window->show();
    // A panel program has no window of its own in front: ask the window manager to raise and focus this one.
    m_window->raise();
    m_window->activateWindow();
}

void MarkDesktopsWindowController::createWindow() {
    // Titled and closable only: no minimise or maximise button, and a fixed size, so not resizable.
    m_window = std::make_unique<QWidget>(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                                      Qt::WindowCloseButtonHint);
    m_window->setWindowTitle(LocalizedTexts::localized(TextKeys::settingsTitle));
    m_window->setFixedSize(windowContentSize);
    // The content is narrower than the window: on the content's own background it reads as wider margins, not as a
    // panel set in a frame.
    m_window->setAutoFillBackground(true);
    m_window->setBackgroundRole(SystemStyle::controlBackground);
    auto* layout = new QHBoxLayout(m_window.get());
    layout->setContentsMargins(0, 0, 0, 0);
    // The content is centred: the frame's size is the window manager's, known only once the window is shown.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect placement({0, 0}, windowContentSize);
        placement.moveCenter(screen->availableGeometry().center());
        m_window->setGeometry(placement);
    }
}

// The new content, with its view model, is built before the old one goes, at once: there is only ever one shown.
void MarkDesktopsWindowController::installContent() {
    QWidget* oldContent = std::exchange(m_content, m_makeContent().release());
    delete oldContent;
    m_window->layout()->addWidget(m_content);
    m_window->layout()->setAlignment(m_content, Qt::AlignCenter);
    m_content->show();
}
