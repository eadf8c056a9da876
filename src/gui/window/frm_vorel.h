// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "archive/archive.h"
#include "archive/edit_buffer.h"
#include "text/messages.h"

#include <QDate>
#include <QHash>
#include <QSet>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

class ClickLabel;
class FileStore;
class FocusRing;
struct PasteAnalysis;
struct DownloadRequest;
struct DownloadResult;
struct ImportOptions;
struct ImportReport;
struct ArchiveUpdateResult;
class HelpViewer;
class MessageBoxes;
class PictureBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;
class SettingsStore;

// The screens of the window, as ScreenMode holds them.
namespace Screen {
inline constexpr int MainMenu = 0;
inline constexpr int Entry = 1;
inline constexpr int ArchiveView = 2;
inline constexpr int Paste = 3;
} // namespace Screen

// The one window of the program. It owns the whole state: the archive, the edit buffer, the
// screen state and its controls, and shows the four Screen modes by showing, hiding and
// re-captioning them.
//
// Member and control names follow the program's own vocabulary (ScreenMode, DrawGrid, But1,
// Picture1, ...); control arrays are indexed from 1, slot 0 is unused.
class frmVorel : public QWidget {
    Q_OBJECT
public:
    // What the window needs from outside, so that tests can stand in for every part of it.
    struct Services {
        MessageBoxes* messages = nullptr;
        HelpViewer* help = nullptr;
        SettingsStore* settings = nullptr;
        // Ends the program at once with the given status (Esci, failed start-up, failed save).
        std::function<void(int)> endProgram;
        QString dataPath; // the folder of the data files, ending in "/"
        // False on a first start in the per-user folder: no archive yet is no error, and the
        // folder is made when the first draw is saved.
        bool archiveExpected = true;
        QString programPath; // the program's folder, ending in "/": the help file lives there
        // Where the data files are read and written; none: the folder DataPath on disk.
        FileStore* files = nullptr;
        // The window frame's margins; none: as the window system reports them.
        std::function<QMargins()> frameMargins;
        // A file named on the command line: offered for import, as a dropped one, once the window is up.
        QString fileToImport;
        // Today's date, after which no draw may be dated; none: the computer's.
        std::function<QDate()> today;
        // Tells the user that a key or an edit was refused; none: the desktop's beep.
        std::function<void()> beep;
    };

    explicit frmVorel(Services services, QWidget* parent = nullptr);
    ~frmVorel() override;

    // Start-up and shut-down.
    bool Form_Load(); // false when start-up failed and the program has been ended
    void Form_Unload();
    void Form_Resize();

    // Screens and buttons.
    void ShowMainMenu();
    void ShowEntryScreen();
    void ShowArchiveView();
    void ShowCorrectionScreen();
    void AgDalFile();
    void But1_Click();
    void But2_Click();
    void But3_Click();
    void But4_Click();
    void butHelp_Click();

    // The archive grid and the scroll bars.
    void DrawGrid();
    void PostaviPregled1();
    void HScrl_Change();
    void VScrl_Change();
    void Picture1_KeyDown(int& keyCode, int& shift);
    void HScrl_KeyDown(int& keyCode, int& shift);
    void VScrl_KeyDown(int& keyCode, int& shift);
    void Lb_Click(int index);

    // Entry screen: the draw panel, the fields and their keys, the wheel shown.
    void ShowDrawPanel(int p);
    void StoreWheelFields();
    void LoadWheelFields();
    void TBData_KeyPress(int index, int& keyAscii);
    void TBData_Change(int index);
    void TBNum_KeyPress(int index, int& keyAscii);
    void TBNum_Change(int index);
    void TBNum_KeyUp(int index, int keyCode, int shift);

    // The commit of the entry screen, and the reading of a pasted draw.
    void CommitEditedDraw();
    void Elabora();

    // A file dropped on the main menu: the official results archive, imported after a question.
    void ImportDroppedFile(const QString& path);
    // "Scarica gli ultimi risultati" (and F5) on the main menu and the paste screen: the official
    // results file downloaded with a progress dialog that can cancel, then imported as a dropped file.
    void DownloadLatestResults();

    // Loads the archive from DataPath, reporting a failure in its "Errore" box.
    void LoadArchiveReporting();

    // State.
    Archive archive;
    EditBuffer edit;
    QString DataPath;
    QString ScratchText;
    QString CurrentDayName;
    int ScreenMode = Screen::MainMenu;
    int ScreenSubMode = 0;
    int ImportState = 0;
    int GridSorted = 0;
    int CurrentDraw = 0;
    int EditWheel = 1;
    int GridRows = 0;
    int GridWidthUnits = 0;
    int GridFirstColumn = 1;
    int GridVisibleWheels = 1;
    bool But1Default = false; // Enter presses But1
    bool But2Cancel = false;  // Escape presses But2

    // Controls.
    QPushButton* But1;
    QPushButton* But2;
    QPushButton* But3;
    QPushButton* butDownload; // on the paste screen
    QPushButton* But4;
    QPushButton* butHelp;
    QPlainTextEdit* Text1;
    std::array<QLineEdit*, 4> TBData{};
    std::array<QLineEdit*, 6> TBNum{};
    QScrollBar* HScrl;
    QScrollBar* VScrl;
    PictureBox* Picture1;
    PictureBox* Pic1;
    QComboBox* Combo1;
    FocusRing* focusRing; // shows which control has the focus, whatever the control's own look
    QLabel* LTG;
    QLabel* LTD;
    QLabel* LTE;
    QLabel* LTE1;
    QLabel* LTR;
    std::array<ClickLabel*, 12> Lb{};

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildButtons();
    void buildPictureAndPasteBox();
    void buildEntryFields();
    void buildScrollBars();
    void buildEntryScreenParts();
    void connectControls();
    void setTabOrder();
    void setDefaultAndCancel(bool enterPressesBut1, bool escapePressesBut2);
    void setWheelLabelBold(int wheel, bool bold);
    void hideEntryControls();
    void applyStoredGeometry();
    void loadAtStartUp();
    void fitWantedOuterSize();
    QMargins frameMargins() const;
    QRect outerGeometry() const;
    MsgAnswer showMessage(const MessageRequest& request);
    FileStore& files();
    bool keyInField(QObject* watched, QKeyEvent* event);
    void putFieldText(QLineEdit* field, const QString& text);
    void selectProgramValue(QObject* watched);
    void judgeFieldEdit(QLineEdit* field);
    void moveToNextWheel();
    void fillEntryFields(int p);
    void printDrawPanel(int k);
    bool saveEditedDraw();
    void offerToDeleteTheLastDraw();
    // Says how a write ended; false when nothing was written (the draw stays on the screen).
    bool writtenReporting(const ArchiveUpdateResult& saved);
    bool refusedByTheRules(const EditBuffer& draw);
    void selectField(QLineEdit* field);
    void refuseInput();
    void openPastedDraw(const PasteAnalysis& analysis);
    // Runs the import of one file with the given options: a dropped file, a download.
    using Importing = std::function<ImportReport(const ImportOptions&)>;
    void offerImport(const Importing& import, const ImportReport& plan);
    void offerRebuild(const Importing& import, const ImportReport& plan);
    bool showPlan(const Importing& import, const ImportReport& plan);
    DownloadResult downloadWithProgress(const DownloadRequest& request);
    void showOutcome(const ImportReport& done);

    Services services_;
    // The stored outer size, until the window frame is first known.
    QSize wantedOuterSize_;
    std::unique_ptr<FileStore> diskFiles_;
    // Each entry field's text as it stands after the last change, the program's or an accepted one
    // of the user's: a user's change is judged against it.
    QHash<const QLineEdit*, QString> fieldTexts_;
    // The fields whose text the program put there, until the user changes it.
    QSet<const QLineEdit*> programValues_;
};
