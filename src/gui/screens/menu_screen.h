// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "archive/archive.h"

#include <QWidget>

class QLabel;
class QPushButton;

// The main menu: the window's four buttons over the bare window; below them "Statistiche" and
// "Cerca", which open windows of their own, what to do with an empty archive, and a status line
// along the bottom saying what the archive holds.
class MenuScreen : public QWidget {
    Q_OBJECT
public:
    explicit MenuScreen(QWidget* parent);

    // The archive in the folder and its next draw as of `now`; `note` (the draw just saved) stands
    // in the status line instead.
    void showArchive(const Archive& archive, const QString& folder, const QDateTime& now,
                     const QString& note = {});
    QList<QWidget*> tabStops() const;

Q_SIGNALS:
    void statsRequested();
    void searchRequested();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QPushButton* butStats;
    QPushButton* butSearch;
    QLabel* LAdvice;
    QLabel* LStatus;
};
