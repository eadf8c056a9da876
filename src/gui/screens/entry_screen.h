// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/navigation.h"
#include "archive/archive.h"
#include "archive/edit_buffer.h"
#include "screens/tab_stops.h"

#include <QWidget>
#include <array>
#include <functional>

class ClickLabel;
class FieldGuard;
class PictureBox;
class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QScrollBar;

// The entry screen: a new draw or the correction of a stored one, typed wheel by wheel, beside the
// draw it is compared with. It shows the archive it is given and says through `committed` what the
// user asked to save.
class EntryScreen : public QWidget {
    Q_OBJECT
public:
    // `refuse` tells the user that a key or an edit was refused.
    EntryScreen(const Archive& archive, std::function<void()> refuse, QWidget* parent);

    // Opens draw p + 1 in the given mode; a pasted draw comes with what was read from the text.
    void ShowDrawPanel(EntryMode mode, int p, const EditBuffer& pasted = {});
    void CommitEditedDraw();
    void Lb_Click(int index);
    // Back to the field a refused draw is wrong in, its whole text selected.
    void selectDate();
    void selectWeekday();

    EntryMode mode() const { return mode_; }
    int CurrentDraw() const { return currentDraw_; } // the draw before the one shown
    int EditWheel() const { return editWheel_; }
    const EditBuffer& edit() const { return edit_; }
    TabStops tabStops() const;

Q_SIGNALS:
    void committed(const EditBuffer& draw);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildPicture();
    void buildFields();
    void connectFields();
    void ShowEntryScreen();
    void fillEntryFields(int p);
    void StoreWheelFields();
    void LoadWheelFields();
    void nameNumberFields();
    void VScrl_Change();
    void TBData_KeyPress(int index, int& keyAscii);
    void TBNum_KeyPress(int index, int& keyAscii);
    void TBNum_KeyUp(int keyCode, int shift);
    void moveToNextWheel();
    bool keyInField(QObject* watched, QKeyEvent* event);
    void setWheelLabelBold(int wheel, bool bold);

    const Archive& archive_;
    std::function<void()> refuse_;
    FieldGuard* guard_;
    EntryMode mode_ = EntryMode::NewDraw;
    EditBuffer edit_;
    int currentDraw_ = 0;
    int editWheel_ = 1;

    PictureBox* Picture1;
    QComboBox* Combo1;
    PictureBox* Pic1;
    QLabel* LTG;
    QLabel* LTD;
    QLabel* LTE;
    QLabel* LTE1;
    QLabel* LTR;
    QLabel* LEmpty;                   // in the panel, on an empty archive: how to fill it
    std::array<ClickLabel*, 12> Lb{}; // indexed by wheel, slot 0 unused
    std::array<QLineEdit*, 4> TBData{};
    std::array<QLineEdit*, 6> TBNum{};
    QScrollBar* VScrl; // the wheel selector
};
