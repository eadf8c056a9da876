// SPDX-License-Identifier: GPL-3.0-or-later
// The window as built: the button row over the screens, what each button does on each screen, and
// the routing of keys, drops and the screens' requests.
#include "app/main_window.h"

#include "app/button_bar.h"
#include "archive/file_store.h"
#include "calendar/draw_date.h"
#include "cli/csv_export.h"
#include "flows/auto_update.h"
#include "flows/import_flow.h"
#include "flows/load_archive.h"
#include "grid/twips.h"
#include "paste/paste_analysis.h"
#include "screens/archive_screen.h"
#include "screens/entry_screen.h"
#include "screens/menu_screen.h"
#include "screens/paste_screen.h"
#include "screens/search_screen.h"
#include "screens/stats_screen.h"
#include "settings/settings_store.h"
#include "storico/storico_writer.h"
#include "text/help_file.h"
#include "text/status_texts.h"
#include "views/focus_ring.h"
#include "widgets/app_icon.h"
#include "widgets/fonts.h"
#include "widgets/help_viewer.h"
#include "widgets/message_boxes.h"
#include "widgets/palettes.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QShortcut>
#include <QTimer>

namespace {

// The one local file a drag carries, or nothing.
QString droppedFile(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1 || !data->urls().first().isLocalFile())
        return {};
    return data->urls().first().toLocalFile();
}

} // namespace

frmVorel::frmVorel(Services services, QWidget* parent)
    : QWidget(parent), services_(std::move(services)), dataPath_(services_.dataPath),
      placement_(*this, *services_.settings, services_.frameMargins),
      saving_({.messages = services_.messages,
               .dataFiles = [this]() -> FileStore& { return fileStore(); },
               .today = services_.today,
               .endProgram = services_.endProgram}) {
    if (!dataPath_.endsWith(u'/'))
        dataPath_ += u'/';
    importing_ = new ImportFlow({.messages = services_.messages,
                                 .dataFiles = [this]() -> FileStore& { return fileStore(); },
                                 .dataPath = dataPath_,
                                 .settings = services_.settings,
                                 .window = this},
                                this);
    autoUpdate_ = new AutoUpdater({.dataFiles = [this]() -> FileStore& { return fileStore(); },
                                   .settings = services_.settings,
                                   .now = [this] { return now(); },
                                   .archive = [this]() -> const Archive& { return archive_; },
                                   .mayWrite = [this] { return mayUpdate(); }},
                                  this);
    setWindowTitle(WindowCaption);
    setWindowIcon(AppIcon());
    setAcceptDrops(true); // the official results file, dropped on the main menu
    SetTealBackground(this);
    setFont(SansFont(8.25, true));
    resize(px(8835), px(5295));
    // The entry screen's controls end at the wheel scroll bar; smaller, they would be cut.
    setMinimumSize(px(8280), px(4440));
    buildScreens();
    buttons_ = new ButtonBar(this);
    connectControls();
    focusRing = new FocusRing(this);
    setTabOrder();
    go(Screen::MainMenu);
}

frmVorel::~frmVorel() = default;

bool frmVorel::Form_Load() {
    try {
        if (!services_.geometryGiven)
            placement_.restore();
        LoadAtStartUp(fileStore(), archive_, *services_.messages, dataPath_, services_.archiveExpected);
        ShowMainMenu();
        autoUpdate_->start();
        if (!services_.fileToImport.isEmpty())
            QTimer::singleShot(0, this, [this] {
                if (screen_ == Screen::MainMenu)
                    importing_->ImportDroppedFile(services_.fileToImport);
            });
        return true;
    } catch (const std::bad_alloc&) {
        showMessage(Messages::startupError(FileError::OutOfMemory));
    } catch (const std::exception&) {
        showMessage(Messages::startupError(FileError::InternalError));
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

// The statistics and the search follow the archive as it is reloaded.
void frmVorel::LoadArchiveReporting() {
    ::LoadArchiveReporting(fileStore(), archive_, *services_.messages, dataPath_);
    if (stats_)
        stats_->refresh();
    if (search_)
        search_->refresh();
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

// Each screen covers the window; the button row lies over the top of it.
void frmVorel::buildScreens() {
    menu_ = new MenuScreen(this);
    entry_ = new EntryScreen(
        archive_, [this] { refuseInput(); }, this);
    archiveView_ = new ArchiveScreen(archive_, this);
    paste_ = new PasteScreen(archive_, this);
    for (QWidget* page : std::initializer_list<QWidget*>{menu_, entry_, archiveView_, paste_}) {
        page->setGeometry(rect());
        page->hide();
    }
}

void frmVorel::connectControls() {
    connect(buttons_, &ButtonBar::pressed, this, &frmVorel::buttonClicked);
    connect(buttons_, &ButtonBar::helpPressed, this, &frmVorel::butHelp_Click);
    connect(buttons_, &ButtonBar::downloadPressed, this, &frmVorel::download);
    // F5 downloads from the main menu and the paste screen.
    connect(new QShortcut(QKeySequence(Qt::Key_F5), this), &QShortcut::activated, this, &frmVorel::download);
    connect(new QShortcut(QKeySequence::Open, this), &QShortcut::activated, this,
            &frmVorel::openOfficialFile);
    connect(new QShortcut(QKeySequence(QStringLiteral("Ctrl+E")), this), &QShortcut::activated, this,
            &frmVorel::exportArchive);
    connect(new QShortcut(QKeySequence(QStringLiteral("Shift+F1")), this), &QShortcut::activated, this,
            &frmVorel::showAbout);
    // The help button's menu (a right click): the help, and the About box.
    QWidget* help = buttons_->help();
    help->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(help, &QWidget::customContextMenuRequested, this, [this, help](const QPoint& at) {
        QMenu menu(this);
        menu.addAction(QStringLiteral("Guida\tF1"), this, &frmVorel::butHelp_Click);
        menu.addAction(QStringLiteral("Informazioni su Vorel\tMaiusc+F1"), this, &frmVorel::showAbout);
        menu.exec(help->mapToGlobal(at));
    });
    // F1 opens the help as "?" does, whichever control has the focus.
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
            &frmVorel::butHelp_Click);
    connect(entry_, &EntryScreen::committed, this, &frmVorel::CommitEditedDraw);
    connect(archiveView_, &ArchiveScreen::deleteLastRequested, this, &frmVorel::deleteTheLastDraw);
    connect(archiveView_, &ArchiveScreen::correctRequested, this, &frmVorel::askToCorrect);
    connect(paste_, &PasteScreen::analysed, this, &frmVorel::openPastedDraw);
    connect(menu_, &MenuScreen::statsRequested, this, &frmVorel::openStats);
    connect(menu_, &MenuScreen::searchRequested, this, [this] { openSearch(); });
    connect(importing_, &ImportFlow::archiveWritten, this, [this] {
        updateLine_.clear(); // what the automatic update last said is out of date
        LoadArchiveReporting();
        ShowMainMenu();
    });
    connect(autoUpdate_, &AutoUpdater::statusChanged, this, &frmVorel::showUpdateStatus);
    connect(autoUpdate_, &AutoUpdater::noted, this, [this](const QString& line) {
        if (screen_ == Screen::MainMenu)
            menu_->showArchive(archive_, dataPath_, now(), line);
        else
            statusNote_ = line;
    });
    connect(autoUpdate_, &AutoUpdater::offerWanted, importing_, &ImportFlow::ImportDownloaded);
    connect(autoUpdate_, &AutoUpdater::archiveWritten, this, [this] {
        LoadArchiveReporting();
        if (screen_ == Screen::ArchiveView)
            ShowArchiveView();
        else if (screen_ == Screen::MainMenu)
            showUpdateStatus(updateLine_);
    });
}

// The focus chain as the screens give it, around the button row; controls of the screens not
// shown are skipped by the chain itself.
void frmVorel::setTabOrder() {
    const TabStops entry = entry_->tabStops();
    const TabStops view = archiveView_->tabStops();
    const TabStops paste = paste_->tabStops();
    const QList<QWidget*> order = entry.beforeButtons + buttons_->rowStops() + menu_->tabStops() +
                                  entry.afterButtons + view.afterButtons + QList<QWidget*>{buttons_->help()} +
                                  paste.afterHelp + entry.afterHelp;
    for (int i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order.at(i - 1), order.at(i));
}

void frmVorel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    for (QWidget* page : std::initializer_list<QWidget*>{menu_, entry_, archiveView_, paste_})
        page->setGeometry(rect());
    buttons_->placeHelp(twips(width()));
}

// Shows one screen and fills the button row as it has it.
void frmVorel::go(Screen screen) {
    screen_ = screen;
    QWidget* pages[] = {menu_, entry_, archiveView_, paste_};
    for (QWidget* page : pages)
        if (page != pages[int(screen)])
            page->hide();
    pages[int(screen)]->show();
    buttons_->show(ButtonsOf(screen));
}

void frmVorel::ShowMainMenu() {
    go(Screen::MainMenu);
    menu_->showArchive(archive_, dataPath_, now(), statusNote_.isEmpty() ? updateLine_ : statusNote_);
    statusNote_.clear();
    autoUpdate_->resume();
}

// The automatic update's line stays until its next one.
void frmVorel::showUpdateStatus(const QString& line) {
    updateLine_ = line;
    if (screen_ == Screen::MainMenu)
        menu_->showArchive(archive_, dataPath_, now(), line);
}

// The automatic update writes neither under a draw being typed or pasted nor under an open box.
bool frmVorel::mayUpdate() const {
    return (screen_ == Screen::MainMenu || screen_ == Screen::ArchiveView) &&
           !QApplication::activeModalWidget();
}

void frmVorel::ShowArchiveView() {
    go(Screen::ArchiveView);
    archiveView_->ShowArchiveView();
}

void frmVorel::AgDalFile() {
    go(Screen::Paste);
    paste_->AgDalFile();
}

void frmVorel::showEntry(EntryMode mode, int p, const EditBuffer& pasted) {
    go(Screen::Entry);
    // The track of the archive view's bar moves one draw once the entry screen has been opened:
    // the two screens once shared one bar, and people know it so.
    archiveView_->setTrackStep(1);
    entry_->ShowDrawPanel(mode, p, pasted);
}

void frmVorel::buttonClicked(int index) {
    perform(ButtonsOf(screen_).actions[std::size_t(index - 1)]);
}

void frmVorel::perform(Action action) {
    switch (action) {
    case Action::NewDraw:
        showEntry(EntryMode::NewDraw, archive_.DrawCount());
        break;
    case Action::Paste:
        AgDalFile();
        break;
    case Action::ArchiveView:
        ShowArchiveView();
        break;
    case Action::Exit:
        Form_Unload();
        services_.endProgram(0);
        break;
    case Action::Commit:
        entry_->CommitEditedDraw();
        break;
    case Action::Back:
        if (BackFrom(screen_, entry_->mode()) == Screen::ArchiveView)
            ShowArchiveView(); // at the end of the archive, as the view always opens
        else
            ShowMainMenu();
        break;
    case Action::Correct:
        askToCorrect();
        break;
    case Action::Sort:
        archiveView_->toggleSorted();
        break;
    case Action::Elabora:
        paste_->Elabora();
        break;
    case Action::None:
        break;
    }
}

// "Correggi": the draw in the top row, after a question naming it.
void frmVorel::askToCorrect() {
    const int draw = archiveView_->CurrentDraw();
    if (archive_.DrawCount() == 0)
        return; // an empty archive has no draw to correct
    if (showMessage(Messages::correctionQuestion(FormatDrawDate(archive_, draw))) == MsgAnswer::Cancel) {
        archiveView_->DrawGrid();
        return;
    }
    showEntry(EntryMode::Correction, draw - 1);
}

void frmVorel::butHelp_Click() {
    showHelpAt(HelpKeyword(screen_));
}

void frmVorel::showAbout() {
    showMessage(Messages::about(dataPath_, services_.settings->location(), QString::fromLatin1(qVersion())));
}

void frmVorel::showHelpAt(const QString& keyword) {
    const QString failure = services_.help->showHelp(HelpFilePath(services_.programPath), keyword);
    if (!failure.isEmpty())
        showMessage(Messages::helpFailure(failure));
}

void frmVorel::openStats() {
    if (!stats_) {
        stats_ = new StatsScreen(archive_, this);
        connect(stats_, &StatsScreen::searchRequested, this, &frmVorel::openSearch);
        connect(stats_, &StatsScreen::helpRequested, this,
                [this] { showHelpAt(QStringLiteral("Statistiche")); });
        connect(stats_, &StatsScreen::exportFailed, this,
                [this](FileError error) { showMessage(Messages::fileError(error)); });
    }
    stats_->show();
    stats_->raise();
    stats_->activateWindow();
}

void frmVorel::openSearch(const QList<int>& numbers) {
    if (!search_) {
        search_ = new SearchScreen(archive_, this);
        connect(search_, &SearchScreen::openDraw, this, &frmVorel::openDrawInArchiveView);
        connect(search_, &SearchScreen::helpRequested, this, [this] { showHelpAt(QStringLiteral("Cerca")); });
    }
    search_->show();
    search_->raise();
    search_->activateWindow();
    if (!numbers.isEmpty())
        search_->searchFor(numbers);
}

QString frmVorel::chooseFile(bool save, const QString& caption, const QString& filters) {
    if (services_.chooseFile)
        return services_.chooseFile(save, caption, filters);
    return save ? QFileDialog::getSaveFileName(this, caption, QString(), filters)
                : QFileDialog::getOpenFileName(this, caption, QString(), filters);
}

// Ctrl+O: the official results file, imported as a dropped one; only from the main menu, as a drop.
void frmVorel::openOfficialFile() {
    if (screen_ != Screen::MainMenu) {
        showMessage(Messages::importOnlyOnTheMainMenu());
        return;
    }
    const QString file = chooseFile(false, QStringLiteral("Apri il file ufficiale delle estrazioni"),
                                    QStringLiteral("File ufficiale (*.txt *.zip);;Tutti i file (*)"));
    if (!file.isEmpty())
        importing_->ImportDroppedFile(file);
}

// Ctrl+E: the archive as --export writes it, in the official format for a ".txt" file, else CSV.
void frmVorel::exportArchive() {
    const QString file = chooseFile(true, QStringLiteral("Esporta l'archivio"),
                                    QStringLiteral("CSV (*.csv);;Formato ufficiale (*.txt)"));
    if (file.isEmpty())
        return;
    const bool official = file.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive);
    if (const Failure error = ReplaceFile(file, official ? ExportStorico(archive_) : ExportCsv(archive_))) {
        showMessage(Messages::fileError(*error));
        return;
    }
    if (screen_ == Screen::MainMenu)
        menu_->showArchive(archive_, dataPath_, now(),
                           QStringLiteral("Archivio esportato in ") + QDir::toNativeSeparators(file));
}

// A draw found by the search, in the top row of the archive view, from which Correggi works.
void frmVorel::openDrawInArchiveView(int draw) {
    if (screen_ == Screen::Entry)
        return; // a draw being typed stays
    ShowArchiveView();
    archiveView_->showDraw(draw);
    activateWindow();
    raise();
}

QDateTime frmVorel::now() const {
    return services_.now ? services_.now() : QDateTime::currentDateTimeUtc();
}

void frmVorel::download() {
    if (Downloads(screen_))
        importing_->DownloadLatestResults();
}

// Enter and Escape that no control used press the default and the cancel button.
void frmVorel::keyPressEvent(QKeyEvent* event) {
    const ButtonRow& row = ButtonsOf(screen_);
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && row.enterPressesFirst) {
        buttons_->click(1);
        return;
    }
    if (key == Qt::Key_Escape && row.escapePressesSecond) {
        buttons_->click(2);
        return;
    }
    QWidget::keyPressEvent(event);
}

// The draw the entry screen asks to save: the rules, the question, the write; then the main menu.
void frmVorel::CommitEditedDraw(const EditBuffer& draw) {
    const int d = entry_->CurrentDraw() + 1;
    switch (saving_.refusedByTheRules(archive_, d, draw)) {
    case RuleField::None:
        break;
    case RuleField::Date:
        entry_->selectDate();
        return;
    case RuleField::Weekday:
        entry_->selectWeekday();
        return;
    case RuleField::Numbers:
        return;
    }
    const WriteOutcome outcome = saving_.save(archive_, d, draw, !IsCorrection(entry_->mode()));
    if (outcome == WriteOutcome::Kept)
        return;
    if (outcome == WriteOutcome::Written)
        statusNote_ =
            SavedDrawText(d, {quint8(draw.EditDate[1]), quint8(draw.EditDate[2]), quint8(draw.EditDate[3])});
    LoadArchiveReporting();
    ShowMainMenu();
}

// The Delete key in the archive view; the view then shows the new last draw.
void frmVorel::deleteTheLastDraw() {
    const WriteOutcome outcome = saving_.deleteLast(archive_, archiveView_->CurrentDraw());
    if (outcome == WriteOutcome::Kept)
        return;
    LoadArchiveReporting();
    if (outcome == WriteOutcome::Written)
        ShowArchiveView();
    else
        ShowMainMenu();
}

// What Elabora found: its box, if it has one; then a new draw opens as the next one, and a draw that
// differs from the stored one opens its correction.
void frmVorel::openPastedDraw(const PasteAnalysis& analysis) {
    const std::optional<MessageRequest> box = PasteMessage(analysis, archive_);
    if (box && showMessage(*box) == MsgAnswer::Cancel)
        return;
    if (!analysis.opensEntry())
        return;
    EditBuffer pasted;
    pasted.EditNumbers = analysis.EditNumbers;
    pasted.EditDate = analysis.EditDate;
    if (analysis.outcome != PasteOutcome::NewDraw) {
        showEntry(EntryMode::PastedCorrection, analysis.draw - 1, pasted);
        return;
    }
    pasted.CurrentWeekday = qint16(analysis.newDrawWeekday);
    showEntry(EntryMode::PastedNew, archive_.DrawCount(), pasted);
}

// A file may be dragged onto any screen; only the main menu takes it, and the others say so.
void frmVorel::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void frmVorel::dropEvent(QDropEvent* event) {
    const QString path = droppedFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    if (screen_ != Screen::MainMenu)
        showMessage(Messages::importOnlyOnTheMainMenu());
    else
        importing_->ImportDroppedFile(path);
}

MsgAnswer frmVorel::showMessage(const MessageRequest& request) {
    return services_.messages->show(request);
}

FileStore& frmVorel::fileStore() {
    if (services_.files)
        return *services_.files;
    if (!diskFiles_)
        diskFiles_ = std::make_unique<DiskFileStore>(dataPath_, !services_.archiveExpected);
    return *diskFiles_;
}

void frmVorel::refuseInput() {
    if (services_.beep)
        services_.beep();
    else
        QApplication::beep();
}
