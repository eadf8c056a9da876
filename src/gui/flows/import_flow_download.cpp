// SPDX-License-Identifier: GPL-3.0-or-later
// "Scarica gli ultimi risultati": the official results file downloaded, then imported as a dropped file.
#include "archive/backups.h"
#include "flows/import_flow.h"
#include "settings/settings_store.h"
#include "storico/official_update.h"
#include "storico/storico_download.h"
#include "storico/storico_import.h"
#include "text/download_texts.h"
#include "widgets/message_boxes.h"

#include <QDir>
#include <QLocale>
#include <QProgressDialog>

namespace {

// "Ricevuti 120 kB di 680 kB", or without the total when the server does not say it.
QString receivedText(const QString& address, qint64 received, qint64 total) {
    const QLocale italian(QLocale::Italian);
    QString text =
        QStringLiteral("Scaricamento da %1\nRicevuti %2").arg(address, italian.formattedDataSize(received));
    if (total > 0)
        text += QStringLiteral(" di ") + italian.formattedDataSize(total);
    return text;
}

} // namespace

void ImportFlow::DownloadLatestResults() {
    if (download_)
        return;
    const QUrl url = UpdateAddress({}, *needs_.settings);
    const QString address = UpdateAddressText(url);
    if (!IsUpdateAddress(url)) {
        showMessage(Messages::downloadFailed(
            address, DownloadProblemText({.kind = DownloadProblem::UnsupportedAddress, .field = address})));
        return;
    }
    if (url.isLocalFile())
        ImportDownloaded(url, ReadLocalUpdate(url));
    else
        startDownload(url);
}

// The window keeps painting while the file comes; the dialog's "Annulla" stops the download, as do
// Escape and the window's close, which only hide it.
void ImportFlow::startDownload(const QUrl& url) {
    const QString address = UpdateAddressText(url);
    progress_ =
        new QProgressDialog(receivedText(address, 0, -1), QStringLiteral("Annulla"), 0, 0, needs_.window);
    progress_->setWindowTitle(DownloadCaption);
    progress_->setWindowModality(Qt::WindowModal);
    progress_->setMinimumDuration(0);
    progress_->setAutoClose(false);
    progress_->setAutoReset(false);
    downloading_ = url;
    download_ = std::make_unique<StoricoDownload>();
    QProgressDialog* dialog = progress_;
    connect(download_.get(), &StoricoDownload::progress, dialog,
            [dialog, address](qint64 received, qint64 total) {
                dialog->setLabelText(receivedText(address, received, total));
                dialog->setMaximum(int(std::max<qint64>(total / 1024, 0)));
                dialog->setValue(int(received / 1024));
            });
    connect(dialog, &QProgressDialog::canceled, download_.get(), &StoricoDownload::cancel);
    connect(dialog, &QDialog::rejected, download_.get(), &StoricoDownload::cancel);
    connect(download_.get(), &StoricoDownload::finished, this, &ImportFlow::downloadEnded,
            Qt::QueuedConnection);
    download_->start(UpdateRequest(url, needs_.dataFiles(), *needs_.settings));
    dialog->show();
}

// The dialog goes before any box is shown; the download object after its last signal.
void ImportFlow::downloadEnded() {
    delete progress_;
    const DownloadResult downloaded = download_->result();
    download_.reset();
    ImportDownloaded(downloading_, downloaded);
}

void ImportFlow::ImportDownloaded(const QUrl& url, const DownloadResult& downloaded) {
    if (downloaded.problem.kind == DownloadProblem::Cancelled)
        return; // the user's own choice: nothing to say, nothing written
    SettingsStore& settings = *needs_.settings;
    const Importing import = [this, &settings, url, downloaded](const ImportOptions& options) {
        return ImportUpdate(needs_.dataFiles(), settings, url, downloaded, options).report;
    };
    const UpdateOutcome plan = ImportUpdate(needs_.dataFiles(), settings, url, downloaded, {.dryRun = true});
    const ImportReport& report = plan.report;
    const QString address = UpdateAddressText(url);
    if (plan.download) {
        showMessage(Messages::downloadFailed(address, DownloadProblemText(plan.download)));
    } else if (plan.notModified) {
        showMessage(Messages::downloadNothingNew(address));
    } else if (report.differencesKept) {
        offerDespiteDifferences(import, report);
    } else if (report.status == ImportReport::Agrees && report.added == 0 && report.completed == 0) {
        // Nothing is written; the validators are kept, so that the next download asks first.
        showOutcome(import({}));
    } else {
        offerImport(import, report);
    }
}

// The new draws follow the archive's last one and depend on no stored draw: they are added as
// they would be without the differences, which are then offered for correction.
void ImportFlow::offerDespiteDifferences(const Importing& import, const ImportReport& plan) {
    if ((plan.added > 0 || plan.completed > 0) &&
        showMessage(Messages::importQuestion(boxText(plan), plan.added, plan.completed)) == MsgAnswer::Cancel)
        return;
    const ImportReport done = import({});
    if (done.differencesKept)
        offerCorrection(import, done);
    else
        showOutcome(done); // the archive changed since the plan: whatever the import found
    Q_EMIT archiveWritten();
}

void ImportFlow::offerCorrection(const Importing& import, const ImportReport& done) {
    const QString backups = QDir::toNativeSeparators(needs_.dataPath + BackupFolderName);
    if (showMessage(Messages::downloadOffersCorrection(done.added, done.differing, detailLines(done),
                                                       backups)) == MsgAnswer::Cancel)
        return;
    const ImportReport corrected = import({.correct = true});
    if (corrected.status == ImportReport::Agrees && corrected.corrected > 0)
        showMessage(
            Messages::downloadCorrected(corrected.corrected, QDir::toNativeSeparators(corrected.backup)));
    else
        showOutcome(corrected);
}
