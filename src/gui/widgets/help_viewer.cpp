// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/help_viewer.h"

#include "text/help_file.h"
#include "widgets/help_window.h"

HelpWindowViewer::~HelpWindowViewer() {
    delete window_;
}

QString HelpWindowViewer::showHelp(const QString& file, const QString& keyword) {
    HelpFileRead read = ReadHelpFile(file);
    if (!read.error.isEmpty())
        return read.error;
    if (!window_)
        window_ = new HelpWindow;
    window_->showKeyword(std::move(read.help), keyword);
    window_->show();
    window_->raise();
    window_->activateWindow();
    return {};
}

HelpWindow* HelpWindowViewer::window() const {
    return window_;
}
