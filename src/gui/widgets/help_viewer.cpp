// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/help_viewer.h"

#include "text/help_file.h"
#include "widgets/help_window.h"

#include <QApplication>
#include <QScreen>

namespace {

// Beside the window the help is asked from, to its right or else to its left, so that both show.
void placeBeside(QWidget& help, const QWidget* from) {
    if (!from || !from->screen())
        return;
    const QRect room = from->screen()->availableGeometry();
    const QRect outer = from->frameGeometry();
    const QSize size = help.frameGeometry().size().boundedTo(room.size());
    const int gap = 8;
    if (outer.right() + gap + size.width() <= room.right())
        help.move(outer.right() + gap, std::max(outer.top(), room.top()));
    else if (outer.left() - gap - size.width() >= room.left())
        help.move(outer.left() - gap - size.width(), std::max(outer.top(), room.top()));
}

} // namespace

HelpWindowViewer::~HelpWindowViewer() {
    delete window_;
}

QString HelpWindowViewer::showHelp(const QString& file, const QString& keyword) {
    HelpFileRead read = ReadHelpFile(file);
    if (!read.error.isEmpty())
        return read.error;
    const bool made = !window_;
    if (made)
        window_ = new HelpWindow;
    window_->showKeyword(std::move(read.help), keyword);
    if (made)
        placeBeside(*window_, QApplication::activeWindow());
    window_->show();
    window_->raise();
    window_->activateWindow();
    return {};
}

HelpWindow* HelpWindowViewer::window() const {
    return window_;
}
