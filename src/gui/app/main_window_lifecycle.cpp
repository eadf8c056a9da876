// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and shut-down.
#include "app/main_window.h"
#include "archive/archive_check.h"
#include "archive/archive_loader.h"
#include "archive/file_store.h"
#include "flows/import_flow.h"
#include "text/check_texts.h"

#include <QCloseEvent>
#include <QTimer>
#include <new>

namespace {

// Error numbers for failures that are not about files.
constexpr int OutOfMemory = 7;
constexpr int InternalError = 51;

} // namespace

bool frmVorel::Form_Load() {
    try {
        placement_.restore();
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

// The stored place and size are applied once the frame is known, whatever event tells it.
bool frmVorel::event(QEvent* event) {
    const bool result = QWidget::event(event);
    placement_.follow(*event);
    return result;
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
    placement_.store();
}

// Closing the window ends the program, even while the help window is still open.
void frmVorel::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
    services_.endProgram(0);
}
