// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/main_window.h"
#include "screens/archive_screen.h"
#include "screens/entry_screen.h"
#include "support/archive_builders.h"
#include "support/window_fakes.h"

#include <QDateTime>
#include <QTemporaryDir>
#include <QTimeZone>
#include <memory>

class Archive;
class ClickLabel;
class FocusRing;
class MemoryFileStore;
class PictureBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;

// The real window with every outside part replaced: message boxes, help, settings, program end,
// and a temporary data folder.
class WindowHarness {
public:
    // An archive to write into the data folder before start-up; none leaves the folder empty.
    // With `memory` the data files live in that store instead of the folder.
    explicit WindowHarness(const Archive* archive, MemoryFileStore* memory = nullptr);
    ~WindowHarness();

    // Builds the window, runs start-up and shows it.
    frmVorel& start();
    frmVorel& window() { return *window_; }
    QString dataPath() const { return dir_.path() + u'/'; }

    // Saves a picture of the window when VOREL_SCREENSHOTS names a folder.
    void screenshot(const QString& name);

    RecordingMessageBoxes boxes;
    RecordingHelpViewer help;
    MemorySettingsStore settings;
    QList<int> endings;
    QString dataPathOverride;
    bool archiveExpected = true;
    QString programPath;
    MemoryFileStore* memory = nullptr;
    // The window frame's margins, for a platform that has none; empty: the platform's.
    std::function<QMargins()> frameMargins;
    // Stands in for the file chooser (Ctrl+O, Ctrl+E); none: every choice is cancelled.
    std::function<QString(bool, const QString&, const QString&)> chooseFile;
    QString fileToImport; // named on the command line
    // The day the window takes for today: fixed, so that no test depends on the clock.
    QDate today{2026, 12, 7};
    // The time the window takes for now, in Rome's evening of `today`: the next draw's due or not by it.
    QDateTime now{QDate(2026, 12, 7), QTime(21, 0), QTimeZone("Europe/Rome")};
    int beeps = 0;
    // Stands in for the recording boxes when set (the real boxes, for what ends them).
    MessageBoxes* messages = nullptr;

private:
    QTemporaryDir dir_;
    std::unique_ptr<frmVorel> window_;
};

// The window's controls by their names: the row's on the window, the rest on the screen that shows;
// a picture or a bar the screen shown does not have is the entry screen's (the bar for the grid: the
// archive view's).
struct Controls {
    QPushButton *But1, *But2, *But3, *But4, *butDownload, *butHelp;
    PictureBox *Picture1, *Pic1;
    QScrollBar *HScrl, *VScrl;
    QPlainTextEdit* Text1;
    QComboBox* Combo1;
    QLabel *LTG, *LTD, *LTE, *LTE1, *LTR;
    std::array<QLineEdit*, 4> TBData;
    std::array<QLineEdit*, 6> TBNum;
    std::array<ClickLabel*, 12> Lb;
    FocusRing* focusRing;
};
Controls ui(frmVorel& w);
EntryScreen& entry(frmVorel& w);
ArchiveScreen& view(frmVorel& w);

// A draw to type: wheel w, position p holds (w * 7 + p * 3) % 90 + 1, distinct within a wheel.
WheelNumbers typedNumbers();
// Fills the entry screen's fields as a user would leave them, wheel by wheel through the wheel selector.
void fillDraw(frmVorel& w, const WheelNumbers& numbers, int wheels, PackedDate date, int weekday);
