// SPDX-License-Identifier: GPL-3.0-or-later
// The archive grid: its size, its painting, the two scroll bars and the navigation keys.
#include "screens/archive_screen.h"

#include "calendar/draw_date.h"
#include "grid/grid_keys.h"
#include "grid/grid_metrics.h"
#include "grid/twips.h"
#include "stats/draw_search.h"
#include "views/grid_view.h"
#include "views/picture_box.h"
#include "widgets/palettes.h"
#include "widgets/placing.h"

#include <QCoreApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QShortcut>
#include <QToolTip>

namespace {

TwipsRect twipsRectOf(const QRect& pixels) {
    return {float(twips(pixels.x())), float(twips(pixels.y())), float(twips(pixels.width())),
            float(twips(pixels.height()))};
}

void placeTwips(QWidget* control, const TwipsRect& r) {
    control->setGeometry(px(r.left), px(r.top), px(r.width), px(r.height));
}

} // namespace

ArchiveScreen::ArchiveScreen(const Archive& archive, QWidget* parent) : QWidget(parent), archive_(archive) {
    buildControls();
    connect(HScrl, &QScrollBar::valueChanged, this, &ArchiveScreen::HScrl_Change);
    connect(VScrl, &QScrollBar::valueChanged, this, &ArchiveScreen::VScrl_Change);
    // The grid follows a dragged thumb when it is let go; meanwhile a tip names the draw under it.
    connect(VScrl, &QScrollBar::sliderMoved, this, [this](int draw) {
        if (archive_.isValidDraw(draw))
            QToolTip::showText(QCursor::pos(),
                               QStringLiteral("%1 %2").arg(draw).arg(FormatDrawDate(archive_, draw)), VScrl);
    });
    connect(Picture1, &PictureBox::keyDown, this, &ArchiveScreen::Picture1_KeyDown);
    auto* goTo = new QShortcut(QKeySequence(QStringLiteral("Ctrl+G")), this);
    goTo->setContext(Qt::WidgetWithChildrenShortcut);
    connect(goTo, &QShortcut::activated, this, &ArchiveScreen::askForDate);
}

void ArchiveScreen::buildControls() {
    Picture1 = makePicture(this);
    Picture1->setAccessibleName(QStringLiteral("Archivio delle estrazioni"));

    HScrl = new QScrollBar(Qt::Horizontal, this);
    HScrl->setObjectName(QStringLiteral("HScrl"));
    place(HScrl, 120, 4080, 8100, 240);
    HScrl->setRange(1, 11);
    HScrl->setSingleStep(1);
    HScrl->setPageStep(1);
    VScrl = new QScrollBar(Qt::Vertical, this);
    VScrl->setObjectName(QStringLiteral("VScrl"));
    place(VScrl, 2820, 3060, 240, 480);
    VScrl->setRange(1, 1);
    VScrl->setSingleStep(1);
    VScrl->setPageStep(GridPageStep);
    TBGoTo = new QLineEdit(this);
    TBGoTo->setObjectName(QStringLiteral("TBGoTo"));
    TBGoTo->setAccessibleName(QStringLiteral("Vai alla data"));
    TBGoTo->setPlaceholderText(QStringLiteral("gg-mm-aaaa"));
    place(TBGoTo, 4860, 60, 1540, 360);
    SetLightPalette(TBGoTo);
    TBGoTo->hide();
    TBGoTo->installEventFilter(this);
    Picture1->installEventFilter(this);
    for (QScrollBar* bar : {HScrl, VScrl}) {
        SetLightPalette(bar);
        bar->setTracking(false); // the grid follows a dragged thumb only when it is let go
        bar->setFocusPolicy(Qt::StrongFocus);
        bar->installEventFilter(this);
    }
}

TabStops ArchiveScreen::tabStops() const {
    return {{}, {VScrl, HScrl, Picture1}, {}};
}

void ArchiveScreen::setTrackStep(int draws) {
    VScrl->setPageStep(draws);
}

void ArchiveScreen::showDraw(int draw) {
    VScrl->setValue(std::max(std::min<int>(draw, archive_.DrawCount()), 1));
    DrawGrid();
}

void ArchiveScreen::askForDate() {
    TBGoTo->clear();
    TBGoTo->show();
    TBGoTo->setFocus();
}

// The draw of the grid line at `y` (pixels in the picture); 0 for the header or below the last.
int ArchiveScreen::drawAt(int y) const {
    const int line = (y - Picture1->contentsRect().top()) / std::max(px(Picture1->surface().textHeight()), 1);
    const int draw = currentDraw_ + line - 1;
    return line >= 1 && line < gridRows_ && draw <= archive_.DrawCount() ? draw : 0;
}

bool ArchiveScreen::mouseOnGrid(QEvent* event) {
    switch (event->type()) {
    case QEvent::Wheel:
        QCoreApplication::sendEvent(VScrl, event);
        return true;
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const int draw = mouse->button() == Qt::LeftButton ? drawAt(mouse->position().toPoint().y()) : 0;
        if (draw == 0)
            return false;
        Picture1->setFocus();
        showDraw(draw);
        return true;
    }
    case QEvent::MouseButtonDblClick:
        // Its first click has made the draw the top row.
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            Q_EMIT correctRequested();
        return true;
    default:
        return false;
    }
}

// dd-mm-yyyy (or with slashes, or yyyy-mm-dd): that draw, or the first after it, in the top row; a
// date after the last draw shows the last.
void ArchiveScreen::goToDate() {
    const QString text = TBGoTo->text().trimmed().replace(u'/', u'-');
    QDate date = QDate::fromString(text, QStringLiteral("d-M-yyyy"));
    if (!date.isValid())
        date = QDate::fromString(text, QStringLiteral("yyyy-M-d"));
    if (!date.isValid())
        return;
    const int draw = FirstDrawFrom(archive_, date);
    TBGoTo->hide();
    showDraw(draw != 0 ? draw : archive_.DrawCount());
}

void ArchiveScreen::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeBelowTheButtons(Picture1);
    if (isVisible()) {
        PostaviPregled1();
        DrawGrid();
    }
}

void ArchiveScreen::ShowArchiveView() {
    Picture1->surface().clear();
    Picture1->refresh();
    VScrl->setRange(1, std::max<int>(archive_.DrawCount(), 1));
    PostaviPregled1();
    gridFirstColumn_ = 1;
    HScrl->setValue(1);
    // Opens with the last draw in the bottom row; a short archive opens at draw 1.
    currentDraw_ = std::max(archive_.DrawCount() - gridRows_ + 2, 1);
    VScrl->setValue(currentDraw_);
    sorted_ = false;
    DrawGrid();
}

void ArchiveScreen::PostaviPregled1() {
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
    gridRows_ = m.GridRows;
    gridVisibleWheels_ = m.GridVisibleWheels;
}

void ArchiveScreen::DrawGrid() {
    currentDraw_ = std::max(std::min<int>(VScrl->value(), archive_.DrawCount()), 1);
    const GridState state{currentDraw_, gridRows_, gridFirstColumn_, gridVisibleWheels_, sorted_};
    Picture1->setAccessibleDescription(PaintGrid(Picture1->surface(), archive_, state));
    Picture1->refresh();
    Picture1->setFocus();
}

void ArchiveScreen::toggleSorted() {
    sorted_ = !sorted_;
    DrawGrid();
}

void ArchiveScreen::HScrl_Change() {
    gridFirstColumn_ = HScrl->value();
    DrawGrid();
}

void ArchiveScreen::VScrl_Change() {
    currentDraw_ = VScrl->value();
    DrawGrid();
}

void ArchiveScreen::Picture1_KeyDown(int& keyCode, int& shift) {
    if (keyCode == VirtualKey::Delete && shift == 0) {
        keyCode = 0;
        Q_EMIT deleteLastRequested();
        return;
    }
    const GridBars before{VScrl->value(), HScrl->value()};
    const GridBars after = GridKeyEffect(keyCode, shift, before, archive_.DrawCount());
    VScrl->setValue(after.vertical); // a change repaints the grid at once
    HScrl->setValue(after.horizontal);
    keyCode = 0;
    shift = 0;
    Picture1->setFocus();
}

// Keys pressed on the scroll bars go to the grid first, as the grid's own keys. In the date field
// Enter goes to the date and Escape leaves it: neither reaches the window's buttons.
bool ArchiveScreen::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Picture1)
        return mouseOnGrid(event);
    if (watched == TBGoTo && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        if (enter)
            goToDate();
        if (key == Qt::Key_Escape) {
            TBGoTo->hide();
            Picture1->setFocus();
        }
        return enter || key == Qt::Key_Escape;
    }
    if (event->type() != QEvent::KeyPress || (watched != HScrl && watched != VScrl))
        return QWidget::eventFilter(watched, event);
    auto* keyEvent = static_cast<QKeyEvent*>(event);
    const int key = keyEvent->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape)
        return false;
    int keyCode = VirtualKeyCode(key);
    int shift = ModifierMask(keyEvent->modifiers());
    const int original = keyCode;
    Picture1_KeyDown(keyCode, shift);
    return original != 0 && keyCode == 0;
}
