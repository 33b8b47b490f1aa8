// SPDX-FileCopyrightText: 2026 The Vantorel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "statusbar/StatusLabel.h"

#include <QImage>
#include <QMenu>
#include <QObject>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

// The button of a status item: it holds the views that make up the item's content, a title, an image and a frame,
// and sends its action on the clicks it was told to.
class StatusBarButton : public QWidget {
    Q_OBJECT

public:
    enum ClickEvent { LeftMouseUp = 1 << 2, RightMouseUp = 1 << 4 };
    using Action = std::function<void(StatusBarButton* sender)>;

    explicit StatusBarButton(QWidget* parent = nullptr);

    QList<QWidget*> subviews() const;
    void addSubview(QWidget* view);
    // Takes the view out and destroys it.
    void removeSubview(QWidget* view);

    QString title() const { return m_title; }
    void setTitle(const QString& title) { m_title = title; }
    QImage image() const { return m_image; }
    void setImage(const QImage& image) { m_image = image; }

    void setAction(Action action) { m_action = std::move(action); }
    // Which clicks send the action: a combination of ClickEvent values.
    void sendActionOn(int clickEvents) { m_sendActionOn = clickEvents; }
    // A click reported by a presenter.
    void click(ClickEvent event);
    // A click made by the program: presenters open the item's menu, if it has one, and return once it has closed.
    void performClick() { emit clickPerformed(); }

signals:
    void clickPerformed();

private:
    QString m_title;
    QImage m_image;
    Action m_action;
    int m_sendActionOn = LeftMouseUp;
};

// One item in the panel. It may have no button, when the panel could not give it one. Presenters show its label in
// the panel.
class StatusItem : public QObject {
    Q_OBJECT

public:
    using MenuBuilder = std::function<std::unique_ptr<QMenu>()>;

    explicit StatusItem(std::unique_ptr<StatusBarButton> button);
    ~StatusItem() override;

    StatusBarButton* button() const { return m_button.get(); }
    // The menu a click opens; the item does not own it.
    QMenu* menu() const { return m_menu; }
    void setMenu(QMenu* menu) { m_menu = menu; }

    // Where the item's menu comes from, for a click and for panels that show the menu themselves alike.
    void setMenuBuilder(MenuBuilder builder) { m_menuBuilder = std::move(builder); }
    // A fresh menu; null while no builder was given.
    std::unique_ptr<QMenu> buildMenu() const { return m_menuBuilder ? m_menuBuilder() : nullptr; }

    // What the item shows; nothing before the first update.
    const std::optional<StatusLabel>& label() const { return m_label; }
    // Announces the label only when it differs from the one shown.
    void setLabel(const StatusLabel& label);

signals:
    void labelChanged(const StatusLabel& label);

private:
    std::unique_ptr<StatusBarButton> m_button;
    QMenu* m_menu = nullptr;
    MenuBuilder m_menuBuilder;
    std::optional<StatusLabel> m_label;
};

// Where status items come from.
class StatusBar {
public:
    virtual ~StatusBar() = default;
    virtual std::unique_ptr<StatusItem> statusItem() = 0;
};
