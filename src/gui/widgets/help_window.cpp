// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/help_window.h"

#include "widgets/app_icon.h"

#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)) {
    setWindowTitle(QStringLiteral("Guida di Vorel"));
    setWindowIcon(AppIcon());
    browser_->setOpenLinks(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::openLink);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
    resize(520, 420);
}

void HelpWindow::showKeyword(HelpFile help, const QString& keyword) {
    help_ = std::move(help);
    const HelpLookup found = LookUpHelp(help_, keyword);
    switch (found.kind) {
    case HelpLookup::Topic:
        browser_->setHtml(HelpTopicHtml(help_, found.topics.front()));
        break;
    case HelpLookup::List:
        browser_->setHtml(HelpListHtml(help_, found.topics, keyword));
        break;
    case HelpLookup::Index:
        browser_->setHtml(HelpIndexHtml(help_));
        break;
    }
}

QString HelpWindow::pageHtml() const {
    return browser_->toHtml();
}

void HelpWindow::openLink(const QUrl& url) {
    if (url.scheme() == QStringLiteral("topic"))
        browser_->setHtml(HelpTopicHtml(help_, url.path().toInt()));
    else
        browser_->setHtml(HelpIndexHtml(help_));
}
