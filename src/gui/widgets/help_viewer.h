// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QString>

class HelpWindow;

// Opens the help file at a keyword with the partial-key lookup. Returns an empty text, or a
// description of what failed for the user.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    virtual QString showHelp(const QString& file, const QString& keyword) = 0;
};

// Our help window: one window, opened on the first request and reused; it stays open on its own.
class HelpWindowViewer final : public HelpViewer {
public:
    ~HelpWindowViewer() override;
    QString showHelp(const QString& file, const QString& keyword) override;
    HelpWindow* window() const;

private:
    QPointer<HelpWindow> window_;
};
