// SPDX-License-Identifier: GPL-3.0-or-later
// The archive grid: its size, its painting, the two scroll bars and the navigation keys.
#include "grid/grid_keys.h"
#include "grid/grid_metrics.h"
#include "grid/twips.h"
#include "views/grid_view.h"
#include "views/picture_box.h"
#include "window/frm_vorel.h"

#include <QScrollBar>

namespace {

TwipsRect twipsRectOf(const QRect& pixels) {
    return {float(twips(pixels.x())), float(twips(pixels.y())), float(twips(pixels.width())),
            float(twips(pixels.height()))};
}

void placeTwips(QWidget* control, const TwipsRect& r) {
    control->setGeometry(px(r.left), px(r.top), px(r.width), px(r.height));
}

} // namespace

void frmVorel::PostaviPregled1() {
    GridMetricsInput in;
    in.picture = twipsRectOf(Picture1->geometry());
    in.scaleWidth = float(twips(Picture1->contentsRect().width()));
    in.scaleHeight = float(twips(Picture1->contentsRect().height()));
    in.hScrollHeight = float(twips(HScrl->height()));
    in.cellWidth = float(Picture1->surface().textWidth(QStringLiteral("Z")));
    in.cellHeight = float(Picture1->surface().textHeight());
    const GridMetrics m = ComputeGridMetrics(in);
    placeTwips(VScrl, m.vScroll);
    placeTwips(HScrl, m.hScroll);
    GridRows = m.GridRows;
    GridWidthUnits = m.GridWidthUnits;
    GridVisibleWheels = m.GridVisibleWheels;
}

void frmVorel::DrawGrid() {
    CurrentDraw = std::max(std::min<int>(VScrl->value(), archive.DrawCount()), 1);
    const GridState state{CurrentDraw, GridRows, GridFirstColumn, GridVisibleWheels, GridSorted != 0};
    PaintGrid(Picture1->surface(), archive, state);
    Picture1->refresh();
    Picture1->setFocus();
}

void frmVorel::HScrl_Change() {
    GridFirstColumn = HScrl->value();
    DrawGrid();
}

void frmVorel::VScrl_Change() {
    if (ScreenMode == Screen::Entry) {
        if (VScrl->isHidden())
            return;
        StoreWheelFields(); // EditWheel still names the wheel being left
        EditWheel = VScrl->value();
        LoadWheelFields();
        return;
    }
    CurrentDraw = VScrl->value();
    DrawGrid();
}

void frmVorel::Picture1_KeyDown(int& keyCode, int& shift) {
    if (ScreenMode != Screen::ArchiveView)
        return;
    if (keyCode == VirtualKey::Delete && shift == 0) {
        keyCode = 0;
        offerToDeleteTheLastDraw();
        return;
    }
    const GridBars before{VScrl->value(), HScrl->value()};
    const GridBars after = GridKeyEffect(keyCode, shift, before, archive.DrawCount());
    VScrl->setValue(after.vertical); // a change repaints the grid at once
    HScrl->setValue(after.horizontal);
    keyCode = 0;
    shift = 0;
    Picture1->setFocus();
}

void frmVorel::HScrl_KeyDown(int& keyCode, int& shift) {
    Picture1_KeyDown(keyCode, shift);
}

void frmVorel::VScrl_KeyDown(int& keyCode, int& shift) {
    if (ScreenMode == Screen::Entry)
        return; // on the entry screen the bar steps through the wheels by itself
    Picture1_KeyDown(keyCode, shift);
}

void frmVorel::Lb_Click(int index) {
    if (index >= 1 && index <= VScrl->maximum())
        VScrl->setValue(index);
}
