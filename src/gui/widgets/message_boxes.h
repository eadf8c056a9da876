// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "text/messages.h"

#include <QPointer>
#include <QWidget>
#include <functional>

// Shows a modal message box and returns the button pressed. Tests queue answers instead.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual MsgAnswer show(const MessageRequest& request) = 0;
};

// The real thing: a modal QMessageBox over `parent`, or over the active window when none is given.
class QtMessageBoxes final : public MessageBoxes {
public:
    explicit QtMessageBoxes(QWidget* parent = nullptr) : parent_(parent) {}
    MsgAnswer show(const MessageRequest& request) override;
    // The window the boxes open over.
    void setParent(QWidget* parent) { parent_ = parent; }
    // What F1 in a box does: the help of the screen below it.
    std::function<void()> help;

private:
    QPointer<QWidget> parent_;
};
