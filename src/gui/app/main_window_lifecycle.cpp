// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up, shut-down and the remembered window geometry.
#include "app/main_window.h"

#include "archive/archive_check.h"
#include "archive/archive_loader.h"
#include "archive/file_store.h"
#include "grid/twips.h"
#include "settings/settings_store.h"
#include "settings/window_geometry.h"
#include "flows/import_flow.h"
#include "text/check_texts.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <new>

namespace {

// Error numbers for failures that are not about files.
constexpr int OutOfMemory = 7;
constexpr int InternalError = 51;

// A stored size or place that the window system cannot take is kept within reach.
int pixelsWithin(float twipsValue, int low, int high) {
    return std::clamp(px(std::clamp(double(twipsValue), -1.0e6, 1.0e6)), low, high);
}

// The screens' areas free of panels, the primary first.
QList<QRect> availableScreens() {
    QList<QRect> areas;
    if (const QScreen* primary = QGuiApplication::primaryScreen())
        areas.append(primary->availableGeometry());
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen != QGuiApplication::primaryScreen())
            areas.append(screen->availableGeometry());
    }
    return areas;
}

} // namespace

bool frmVorel::Form_Load() {
    try {
        applyStoredGeometry();
        loadAtStartUp();
        ShowMainMenu();
        if (!services_.fileToImport.isEmpty())
            QTimer::singleShot(0, this, [this] {
                if (screen_ == Screen::MainMenu)
                    importing_->ImportDroppedFile(services_.fileToImport);
            });
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
    const QRect stored(pixelsWithin(g.left, -16384, 16384), pixelsWithin(g.top, -16384, 16384),
                       pixelsWithin(g.width, 1, 16384), pixelsWithin(g.height, 1, 16384));
    const QRect kept = KeptOnScreens(stored, availableScreens(), minimumSize());
    move(kept.topLeft());
    wantedOuterSize_ = kept.size();
    // Until the window system gives the window its frame, the inner size is all there is.
    resize(wantedOuterSize_.width(), height());
    resize(width(), wantedOuterSize_.height());
    fitWantedOuterSize();
}

// The stored size is the outer one, frame and caption included. A window manager adds the frame
// only after the window is first shown, and tells its size some events later: the stored size is
// applied once, the first time the frame is known, and never again after that first showing.
bool frmVorel::event(QEvent* event) {
    const bool result = QWidget::event(event);
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::WindowActivate:
    case QEvent::UpdateRequest:
        fitWantedOuterSize();
        break;
    case QEvent::Hide:
    case QEvent::WindowStateChange:
        wantedOuterSize_ = QSize();
        break;
    default:
        break;
    }
    return result;
}

void frmVorel::fitWantedOuterSize() {
    const QMargins frame = frameMargins();
    if (!wantedOuterSize_.isValid() || frame.isNull())
        return;
    const QSize outer = wantedOuterSize_;
    wantedOuterSize_ = QSize();
    resize(std::max(outer.width() - frame.left() - frame.right(), 1),
           std::max(outer.height() - frame.top() - frame.bottom(), 1));
}

QMargins frmVorel::frameMargins() const {
    if (services_.frameMargins)
        return services_.frameMargins();
    const QRect inner = geometry();
    const QRect outer = frameGeometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

// The window's place and size as a user sees them: the frame's.
QRect frmVorel::outerGeometry() const {
    const QMargins frame = frameMargins();
    return {pos(), size().grownBy(frame)};
}

// On a first start nothing is there yet: the main menu opens on an empty archive, without a box.
// Whatever the check of the files finds is said once, with what mends it.
void frmVorel::loadAtStartUp() {
    std::vector<ArchiveProblem> problems;
    const int error = LoadCheckedArchive(files(), archive_, problems);
    const bool firstStart = !services_.archiveExpected &&
                            (error == ErrorNumber::FileNotFound || error == ErrorNumber::PathNotFound);
    if (!problems.empty())
        showMessage(Messages::archiveProblems(CheckText::startupProblems(problems), HasDamage(problems)));
    else if (error && !firstStart)
        showMessage(Messages::loadError(error, dataPath_));
}

void frmVorel::LoadArchiveReporting() {
    if (const int error = LoadArchive(files(), archive_))
        showMessage(Messages::loadError(error, dataPath_));
}

void frmVorel::Form_Unload() {
    if (isMinimized())
        return;
    const QRect outer = outerGeometry();
    WriteWindowGeometry(*services_.settings, {float(twips(outer.x())), float(twips(outer.y())),
                                              float(twips(outer.width())), float(twips(outer.height()))});
}

// Closing the window ends the program, even while the help window is still open.
void frmVorel::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
    services_.endProgram(0);
}
