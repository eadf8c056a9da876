// SPDX-License-Identifier: GPL-3.0-or-later
#include "flows/auto_update.h"

#include "archive/draw_schedule.h"
#include "settings/settings_store.h"
#include "storico/import_texts.h"
#include "storico/official_update.h"
#include "text/status_texts.h"

#include <chrono>

AutoUpdater::AutoUpdater(Needs needs, QObject* parent) : QObject(parent), needs_(std::move(needs)) {
    connect(&timer_, &QTimer::timeout, this, &AutoUpdater::check);
}

AutoUpdater::~AutoUpdater() = default;

void AutoUpdater::start() {
    QTimer::singleShot(0, this, &AutoUpdater::check);
    timer_.start(std::chrono::minutes(IntervalMinutes));
}

void AutoUpdater::check() {
    if (pending_) {
        resume();
        return;
    }
    if (download_ || AutoUpdateMode(*needs_.settings) == AutoUpdate::Off)
        return;
    const NextDraw next = NextDrawOf(needs_.archive());
    const QUrl url = UpdateAddress({}, *needs_.settings);
    if (!next.isDueAt(needs_.now()) || !IsUpdateAddress(url))
        return;
    url_ = url;
    Q_EMIT statusChanged(UpdateCheckingText(next.date));
    if (url.isLocalFile()) {
        pending_ = ReadLocalUpdate(url);
        importPending();
        return;
    }
    download_ = std::make_unique<StoricoDownload>();
    connect(download_.get(), &StoricoDownload::finished, this, &AutoUpdater::downloadEnded,
            Qt::QueuedConnection);
    download_->start(UpdateRequest(url, needs_.dataFiles(), *needs_.settings));
}

void AutoUpdater::downloadEnded() {
    pending_ = download_->result();
    download_.reset();
    importPending();
}

void AutoUpdater::resume() {
    if (pending_)
        importPending();
}

// Planned first, written only when it agrees: differences and gaps are for the user to see (F5).
void AutoUpdater::importPending() {
    if (!needs_.mayWrite()) {
        Q_EMIT statusChanged(UpdateWaitingText());
        return;
    }
    const DownloadResult downloaded = std::move(*pending_);
    pending_.reset();
    FileStore& files = needs_.dataFiles();
    SettingsStore& settings = *needs_.settings;
    const UpdateOutcome plan = ImportUpdate(files, settings, url_, downloaded, {.dryRun = true});
    const ImportReport& report = plan.report;
    if (plan.download)
        Q_EMIT statusChanged(UpdateFailedText(DownloadProblemText(plan.download)));
    else if (plan.notModified)
        Q_EMIT statusChanged({});
    else if (report.status == ImportReport::Failed)
        Q_EMIT statusChanged(UpdateFailedText(ImportProblemText(report.problem)));
    else if (report.status == ImportReport::Disagrees)
        Q_EMIT statusChanged(UpdateDisagreesText());
    else if (report.added > 0 && AutoUpdateMode(settings) == AutoUpdate::Ask)
        Q_EMIT offerWanted(url_, downloaded);
    else
        writeAgreeing(files, downloaded);
}

// The file agrees with the archive: its new draws are added, and with none (the results are not out
// yet) the validators are kept, so that the next tick asks with a conditional request.
void AutoUpdater::writeAgreeing(FileStore& files, const DownloadResult& downloaded) {
    const ImportReport done = ImportUpdate(files, *needs_.settings, url_, downloaded, {}).report;
    if (done.status != ImportReport::Agrees) { // the archive changed since the plan
        Q_EMIT statusChanged(done.status == ImportReport::Failed
                                 ? UpdateFailedText(ImportProblemText(done.problem))
                                 : UpdateDisagreesText());
        return;
    }
    // A site's file older than the archive is said until the site catches up.
    Q_EMIT statusChanged(done.archiveLast != PackedDate{} ? EndsBeforeArchiveText(done) : QString());
    if (done.added > 0 || done.completed > 0)
        Q_EMIT archiveWritten();
    if (done.added > 0)
        Q_EMIT noted(UpdateAddedText(done.added, done.lastDate));
}
