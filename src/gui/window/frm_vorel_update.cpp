// SPDX-License-Identifier: GPL-3.0-or-later
// "Scarica gli ultimi risultati": the official results file downloaded, then imported as a dropped file.
#include "settings/settings_store.h"
#include "storico/official_update.h"
#include "text/download_texts.h"
#include "window/frm_vorel.h"

#include <QEventLoop>
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

void frmVorel::DownloadLatestResults() {
    if (ScreenMode != Screen::MainMenu && ScreenMode != Screen::Paste)
        return;
    SettingsStore& settings = *services_.settings;
    const QUrl url = UpdateAddress({}, settings);
    const QString address = UpdateAddressText(url);
    if (!IsUpdateAddress(url)) {
        showMessage(Messages::downloadFailed(
            address, DownloadProblemText({.kind = DownloadProblem::UnsupportedAddress, .field = address})));
        return;
    }
    const DownloadResult downloaded = url.isLocalFile()
                                          ? ReadLocalUpdate(url)
                                          : downloadWithProgress(UpdateRequest(url, files(), settings));
    if (downloaded.problem.kind == DownloadProblem::Cancelled)
        return; // the user's own choice: nothing to say, nothing written
    const Importing import = [this, &settings, url, downloaded](const ImportOptions& options) {
        return ImportUpdate(files(), settings, url, downloaded, options).report;
    };
    const UpdateOutcome plan = ImportUpdate(files(), settings, url, downloaded, {.dryRun = true});
    if (plan.download)
        showMessage(Messages::downloadFailed(address, DownloadProblemText(plan.download)));
    else if (plan.notModified)
        showMessage(Messages::downloadNothingNew(address));
    else
        offerImport(import, plan.report);
}

// The window keeps painting while the file comes; the dialog's "Annulla" stops the download.
DownloadResult frmVorel::downloadWithProgress(const DownloadRequest& request) {
    const QString address = UpdateAddressText(request.url);
    QProgressDialog dialog(receivedText(address, 0, -1), QStringLiteral("Annulla"), 0, 0, this);
    dialog.setWindowTitle(DownloadCaption);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setMinimumDuration(0);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    StoricoDownload download;
    QEventLoop loop;
    connect(&download, &StoricoDownload::progress, &dialog,
            [&dialog, address](qint64 received, qint64 total) {
                dialog.setLabelText(receivedText(address, received, total));
                dialog.setMaximum(int(std::max<qint64>(total / 1024, 0)));
                dialog.setValue(int(received / 1024));
            });
    // Its button, and Escape or the window's close, which only hide it.
    connect(&dialog, &QProgressDialog::canceled, &download, &StoricoDownload::cancel);
    connect(&dialog, &QDialog::rejected, &download, &StoricoDownload::cancel);
    connect(&download, &StoricoDownload::finished, &loop, &QEventLoop::quit);
    download.start(request);
    dialog.show();
    if (!download.isFinished())
        loop.exec();
    return download.result();
}
