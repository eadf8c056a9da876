// SPDX-License-Identifier: GPL-3.0-or-later
// A dropped or named file: the official results archive, read as `vorel --import` reads it.
#include "flows/import_flow.h"

#include "archive/backups.h"
#include "archive/file_store.h"
#include "storico/import_texts.h"
#include "storico/storico_download.h"
#include "storico/storico_import.h"
#include "text/error_text.h"
#include "widgets/message_boxes.h"

#include <QDir>
#include <QProgressDialog>
#include <QStringList>

namespace {

// The detail lines a box lists; the rest are counted.
constexpr int ShownDetails = 12;

} // namespace

ImportFlow::ImportFlow(Needs needs, QObject* parent) : QObject(parent), needs_(std::move(needs)) {}

ImportFlow::~ImportFlow() = default;

MsgAnswer ImportFlow::showMessage(const MessageRequest& request) {
    return needs_.messages->show(request);
}

// The archive's folder, the summary and the first detail lines.
QString ImportFlow::boxText(const ImportReport& report) const {
    QString text = QStringLiteral("Archivio: ") + QDir::toNativeSeparators(needs_.dataPath) + u'\r' +
                   ImportSummaryText(report);
    if (!report.details.empty())
        text += u'\r' + detailLines(report);
    return text;
}

// The first detail lines, the rest counted.
QString ImportFlow::detailLines(const ImportReport& report) const {
    QStringList lines;
    for (int i = 0; i < std::min<int>(ShownDetails, int(report.details.size())); ++i)
        lines.append(ImportDetailText(report.details[std::size_t(i)]));
    if (report.details.size() > ShownDetails)
        lines.append(QStringLiteral("... e altre %1 righe.").arg(report.details.size() - ShownDetails));
    return lines.join(u'\r');
}

// The file is read once and planned without writing; only after OK are the new draws added.
// Differences and gaps are shown and nothing is written: corrections stay with the correction screen.
void ImportFlow::ImportDroppedFile(const QString& path) {
    auto read = ReadWholeFile(path);
    if (read.error) {
        showMessage(Messages::importFailed(ErrorMessageText(*read.error)));
        return;
    }
    const Importing import = [this, bytes = std::move(read.value)](const ImportOptions& options) {
        return ImportStorico(needs_.dataFiles(), bytes, options);
    };
    offerImport(import, import({.dryRun = true}));
}

// After the plan, the question; after OK the import runs again on the archive as it is then.
void ImportFlow::offerImport(const Importing& import, const ImportReport& plan) {
    if (!showPlan(import, plan) ||
        showMessage(Messages::importQuestion(boxText(plan), plan.added, plan.completed)) == MsgAnswer::Cancel)
        return;
    showOutcome(import({}));
    Q_EMIT archiveWritten();
}

// Gaps between the file and the archive have one way out: the archive written whole from a file of
// the whole history, after the current files are copied aside.
void ImportFlow::offerRebuild(const Importing& import, const ImportReport& plan) {
    const QString backups = QDir::toNativeSeparators(needs_.dataPath + BackupFolderName);
    if (showMessage(Messages::importOffersRebuild(boxText(plan), backups)) == MsgAnswer::Cancel)
        return;
    const ImportReport done = import({.rebuild = true});
    if (done.status == ImportReport::Failed)
        showMessage(Messages::importFailed(ImportProblemText(done.problem)));
    else
        showMessage(Messages::importRebuilt(ImportReportText(done).trimmed().replace(u'\n', u'\r')));
    Q_EMIT archiveWritten();
}

// Whether the plan adds draws; otherwise its box has been shown.
bool ImportFlow::showPlan(const Importing& import, const ImportReport& plan) {
    if (plan.status == ImportReport::Failed)
        showMessage(Messages::importFailed(ImportProblemText(plan.problem)));
    else if (plan.status == ImportReport::Disagrees && plan.gaps > 0 && plan.wholeHistory)
        offerRebuild(import, plan);
    else if (plan.status == ImportReport::Disagrees)
        showMessage(Messages::importDisagrees(boxText(plan)));
    else if (plan.added == 0 && plan.completed == 0)
        showMessage(Messages::importNothingNew(boxText(plan)));
    else
        return true;
    return false;
}

// The second pass runs on the archive as it is after the question: whatever it found is said.
void ImportFlow::showOutcome(const ImportReport& done) {
    if (done.status == ImportReport::Failed)
        showMessage(Messages::importFailed(ImportProblemText(done.problem)));
    else if (done.status == ImportReport::Disagrees)
        showMessage(Messages::importDisagrees(boxText(done)));
    else if (done.added == 0 && done.completed == 0)
        showMessage(Messages::importNothingNew(boxText(done)));
    else
        showMessage(Messages::importDone(done.added, done.lastDate, done.completed));
}
