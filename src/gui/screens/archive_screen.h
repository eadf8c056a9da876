// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "archive/archive.h"
#include "screens/tab_stops.h"

#include <QWidget>

class PictureBox;
class QLineEdit;
class QScrollBar;

// The archive view: the draws in a ruled grid, the top row the current draw, moved by the two
// scroll bars, the grid's keys and Ctrl+G (a date: its draw, or the next one, in the top row). The
// mouse wheel scrolls it as the bar does; a click makes a draw the top row, a double click asks
// for its correction. It shows the
// archive it is given; the Delete key asks through `deleteLastRequested` for the last draw to go.
class ArchiveScreen : public QWidget {
    Q_OBJECT
public:
    ArchiveScreen(const Archive& archive, QWidget* parent);

    // Opens with the last draw in the bottom row, the first wheels shown, unsorted.
    void ShowArchiveView();
    void DrawGrid();
    // "Ordina": the wheels' numbers in order, or as drawn.
    void toggleSorted();
    // A click in the bar's track moves this many draws.
    void setTrackStep(int draws);
    // `draw` in the top row.
    void showDraw(int draw);

    int CurrentDraw() const { return currentDraw_; }
    int GridRows() const { return gridRows_; }
    int GridFirstColumn() const { return gridFirstColumn_; }
    bool GridSorted() const { return sorted_; }
    TabStops tabStops() const;

Q_SIGNALS:
    void deleteLastRequested();
    // A double click on a draw: its correction.
    void correctRequested();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void PostaviPregled1();
    void HScrl_Change();
    void VScrl_Change();
    void Picture1_KeyDown(int& keyCode, int& shift);
    void askForDate();
    bool mouseOnGrid(QEvent* event);
    int drawAt(int y) const;
    void goToDate();

    const Archive& archive_;
    int currentDraw_ = 0;
    int gridRows_ = 0;
    int gridFirstColumn_ = 1;
    int gridVisibleWheels_ = 1;
    bool sorted_ = false;

    PictureBox* Picture1;
    QScrollBar* HScrl;
    QScrollBar* VScrl;
    QLineEdit* TBGoTo; // Ctrl+G: a date, in the place of the row's fourth button
};
