// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "text/help_file.h"

#include <QWidget>

class QTextBrowser;
class QUrl;

// The help window: shows a topic, the list of topics found for a keyword, or the index.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the result of looking `keyword` up in `help`.
    void showKeyword(HelpFile help, const QString& keyword);
    QString pageHtml() const;

private:
    void openLink(const QUrl& url);

    HelpFile help_;
    QTextBrowser* browser_;
};
