// Start-up, shut-down and the remembered window geometry.
#include "archive/archive_loader.h"
#include "archive/constant_tables.h"
#include "window/frm_vorel.h"
#include "window/settings_store.h"
#include "window/twips.h"
#include "window/window_geometry.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QShowEvent>
#include <new>

namespace {

// Error numbers for failures that are not about files.
constexpr int OutOfMemory = 7;
constexpr int InternalError = 51;

// A stored size or place that the window system cannot take is kept within reach.
int pixelsWithin(float twipsValue, int low, int high) {
    return std::clamp(px(std::clamp(double(twipsValue), -1.0e6, 1.0e6)), low, high);
}

} // namespace

bool frmVorel::Form_Load() {
    try {
        ScreenSubMode = 0;
        ScreenMode = 0;
        ImportState = 0;
        Combo1->clear();
        for (int code = 0; code < DayAbbrevCount; ++code)
            Combo1->addItem(DayAbbrev(code));
        Combo1->setCurrentIndex(0);
        Combo1->hide();
        applyStoredGeometry();
        if (!DataPath.endsWith(u'/'))
            DataPath += u'/';
        Form_Resize();
        LoadArchiveReporting();
        ShowMainMenu();
        return true;
    } catch (const std::bad_alloc&) {
        showMessage(Messages::startupError(OutOfMemory));
    } catch (const std::exception&) {
        showMessage(Messages::startupError(InternalError));
    }
    services_.endProgram(1);
    return false;
}

void frmVorel::applyStoredGeometry() {
    const WindowGeometry g = ReadWindowGeometry(*services_.settings);
    move(pixelsWithin(g.left, -16384, 16384), pixelsWithin(g.top, -16384, 16384));
    wantedOuterSize_ = QSize(pixelsWithin(g.width, 1, 16384), pixelsWithin(g.height, 1, 16384));
    resizeToOuter(wantedOuterSize_.width(), height());
    resizeToOuter(width(), wantedOuterSize_.height());
}

// The stored size includes the frame, which is known only once the window is on the screen.
void frmVorel::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (wantedOuterSize_.isValid() && frameGeometry().size() != size()) {
        resizeToOuter(wantedOuterSize_.width(), wantedOuterSize_.height());
        wantedOuterSize_ = QSize();
    }
}

void frmVorel::resizeToOuter(int outerWidth, int outerHeight) {
    const QSize frame = frameGeometry().size() - size();
    resize(std::max(outerWidth - frame.width(), 1), std::max(outerHeight - frame.height(), 1));
}

void frmVorel::LoadArchiveReporting() {
    if (const int error = LoadArchive(files(), archive))
        showMessage(Messages::fileError(error));
}

void frmVorel::Form_Unload() {
    if (isMinimized())
        return;
    const QRect outer = frameGeometry();
    WriteWindowGeometry(*services_.settings, {float(twips(outer.x())), float(twips(outer.y())),
                                              float(twips(outer.width())), float(twips(outer.height()))});
}

void frmVorel::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

void frmVorel::But4_Click() {
    if (ScreenMode != 0)
        return;
    Form_Unload();
    services_.endProgram(0);
}
