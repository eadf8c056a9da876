// SPDX-License-Identifier: GPL-3.0-or-later
// A file dropped on the main menu: the official results archive, read as `vorel --import` reads it.
#include "archive/backups.h"
#include "archive/file_store.h"
#include "storico/storico_import.h"
#include "text/error_text.h"
#include "window/frm_vorel.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>

namespace {

// The detail lines a box lists; the rest are counted.
constexpr int ShownDetails = 12;

// The archive's folder, the summary and the first detail lines.
QString boxText(const ImportReport& report, const QString& folder) {
    QString text = QStringLiteral("Archivio: ") + QDir::toNativeSeparators(folder) + u'\r' + report.summary();
    for (int i = 0; i < std::min<int>(ShownDetails, int(report.details.size())); ++i)
        text += u'\r' + report.details.at(i);
    if (report.details.size() > ShownDetails)
        text += QStringLiteral("\r... e altre %1 righe.").arg(report.details.size() - ShownDetails);
    return text;
}

// The one local file a drag carries, or nothing.
QString droppedFile(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1 || !data->urls().first().isLocalFile())
        return {};
    return data->urls().first().toLocalFile();
}

} // namespace

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
    if (ScreenMode != Screen::MainMenu)
        showMessage(Messages::importOnlyOnTheMainMenu());
    else
        ImportDroppedFile(path);
}

// Gaps between the file and the archive have one way out: the archive written whole from a file of
// the whole history, after the current files are copied aside.
void frmVorel::offerRebuild(const Importing& import, const ImportReport& plan) {
    const QString backups = QDir::toNativeSeparators(DataPath + BackupFolderName);
    if (showMessage(Messages::importOffersRebuild(boxText(plan, DataPath), backups)) == MsgAnswer::Cancel)
        return;
    const ImportReport done = import({.rebuild = true});
    if (done.status == ImportReport::Failed)
        showMessage(Messages::importFailed(done.errorText()));
    else
        showMessage(Messages::importRebuilt(done.text().trimmed().replace(u'\n', u'\r')));
    LoadArchiveReporting();
    ShowMainMenu();
}

// The file is read once and planned without writing; only after OK are the new draws added.
// Differences and gaps are shown and nothing is written: corrections stay with the correction screen.
void frmVorel::ImportDroppedFile(const QString& path) {
    QByteArray bytes;
    if (const int error = ReadWholeFile(path, bytes)) {
        showMessage(Messages::importFailed(ErrorMessageText(error)));
        return;
    }
    const Importing import = [this, bytes](const ImportOptions& options) {
        return ImportStorico(files(), bytes, options);
    };
    offerImport(import, import({.dryRun = true}));
}

// After the plan, the question; after OK the import runs again on the archive as it is then.
void frmVorel::offerImport(const Importing& import, const ImportReport& plan) {
    if (!showPlan(import, plan) || showMessage(Messages::importQuestion(boxText(plan, DataPath), plan.added,
                                                                        plan.completed)) == MsgAnswer::Cancel)
        return;
    showOutcome(import({}));
    LoadArchiveReporting();
    ShowMainMenu();
}

// Whether the plan adds draws; otherwise its box has been shown.
bool frmVorel::showPlan(const Importing& import, const ImportReport& plan) {
    if (plan.status == ImportReport::Failed)
        showMessage(Messages::importFailed(plan.errorText()));
    else if (plan.status == ImportReport::Disagrees && plan.gaps > 0 && plan.wholeHistory)
        offerRebuild(import, plan);
    else if (plan.status == ImportReport::Disagrees)
        showMessage(Messages::importDisagrees(boxText(plan, DataPath)));
    else if (plan.added == 0 && plan.completed == 0)
        showMessage(Messages::importNothingNew(boxText(plan, DataPath)));
    else
        return true;
    return false;
}

// The second pass runs on the archive as it is after the question: whatever it found is said.
void frmVorel::showOutcome(const ImportReport& done) {
    if (done.status == ImportReport::Failed)
        showMessage(Messages::importFailed(done.errorText()));
    else if (done.status == ImportReport::Disagrees)
        showMessage(Messages::importDisagrees(boxText(done, DataPath)));
    else if (done.added == 0 && done.completed == 0)
        showMessage(Messages::importNothingNew(boxText(done, DataPath)));
    else
        showMessage(Messages::importDone(done.added, done.lastDate, done.completed));
}
