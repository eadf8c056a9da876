// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/navigation.h"
#include "app/window_placement.h"
#include "app/window_services.h"
#include "archive/archive.h"
#include "archive/edit_buffer.h"
#include "flows/save_draw.h"
#include "text/messages.h"

#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

class ArchiveScreen;
class AutoUpdater;
class ButtonBar;
class EntryScreen;
class FileStore;
class FocusRing;
class HelpViewer;
class ImportFlow;
class MenuScreen;
class MessageBoxes;
class PasteScreen;
class SearchScreen;
class SettingsStore;
class StatsScreen;
struct PasteAnalysis;

// The one window of the program: the row of buttons the current screen fills, the four screens of
// which one shows at a time, and what connects them: the archive they show, the boxes, the flows
// that write, the help. Start-up, shut-down and the remembered geometry are its own.
class frmVorel : public QWidget {
    Q_OBJECT
public:
    using Services = WindowServices;

    explicit frmVorel(Services services, QWidget* parent = nullptr);
    ~frmVorel() override;

    // Start-up and shut-down.
    bool Form_Load(); // false when start-up failed and the program has been ended
    void Form_Unload();

    // The screens.
    void ShowMainMenu();
    void ShowArchiveView();
    void AgDalFile();
    // The entry screen at draw p + 1 (p: the draw before it), for the given reason.
    void showEntry(EntryMode mode, int p, const EditBuffer& pasted = {});
    Screen currentScreen() const { return screen_; }
    const Archive& archive() const { return archive_; }
    const QString& DataPath() const { return dataPath_; }

    // Loads the archive from DataPath, reporting a failure in its "Errore" box.
    void LoadArchiveReporting();
    // The help of the screen shown (F1, "?", F1 in a box over it).
    void butHelp_Click();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildScreens();
    void connectControls();
    void setTabOrder();
    void go(Screen screen);
    void buttonClicked(int index);
    void perform(Action action);
    void askToCorrect();
    void download();
    void CommitEditedDraw(const EditBuffer& draw);
    void deleteTheLastDraw();
    void openPastedDraw(const PasteAnalysis& analysis);
    void openStats();
    void openSearch(const QList<int>& numbers = {});
    void openDrawInArchiveView(int draw);
    void openOfficialFile();
    void exportArchive();
    QString chooseFile(bool save, const QString& caption, const QString& filters);
    void showHelpAt(const QString& keyword);
    void showAbout();
    MsgAnswer showMessage(const MessageRequest& request);
    FileStore& fileStore();
    QDateTime now() const;
    void showUpdateStatus(const QString& line);
    bool mayUpdate() const;
    void refuseInput();

    Services services_;
    QString dataPath_;
    Archive archive_;
    Screen screen_ = Screen::MainMenu;
    QString statusNote_; // what the status line says instead of the archive, until the next action
    WindowPlacement placement_;
    std::unique_ptr<FileStore> diskFiles_;
    SaveDraw saving_;
    ImportFlow* importing_;
    AutoUpdater* autoUpdate_;
    QString updateLine_; // the automatic update's last word, in the status line until its next

    MenuScreen* menu_;
    EntryScreen* entry_;
    ArchiveScreen* archiveView_;
    PasteScreen* paste_;
    // Windows of their own, made when first asked for (and again if destroyed from outside).
    QPointer<StatsScreen> stats_;
    QPointer<SearchScreen> search_;
    ButtonBar* buttons_;
    FocusRing* focusRing; // shows which control has the focus, whatever the control's own look
};
