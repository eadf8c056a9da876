// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "text/messages.h"

#include <QObject>
#include <QPointer>
#include <QUrl>
#include <functional>
#include <memory>

class FileStore;
class MessageBoxes;
class QProgressDialog;
class QWidget;
class SettingsStore;
class StoricoDownload;
struct DownloadResult;
struct ImportOptions;
struct ImportReport;

// The official results file into the archive, from a dropped or named file or from the official
// site: read, planned without writing, shown in a question, imported after OK, and the outcome said.
// A download runs with a progress dialog whose "Annulla" stops it; the flow goes on when it ends.
class ImportFlow : public QObject {
    Q_OBJECT
public:
    struct Needs {
        MessageBoxes* messages = nullptr;
        std::function<FileStore&()> dataFiles;
        QString dataPath; // ending in "/"
        SettingsStore* settings = nullptr;
        QWidget* window = nullptr; // the progress dialog's
    };
    ImportFlow(Needs needs, QObject* parent);
    ~ImportFlow() override;

    void ImportDroppedFile(const QString& path);
    // "Scarica gli ultimi risultati": the official results file downloaded, then imported as a
    // dropped file. Nothing while a download is running.
    void DownloadLatestResults();
    // What a download brought, offered as "Scarica gli ultimi risultati" offers it (the automatic
    // update in "ask" mode).
    void ImportDownloaded(const QUrl& url, const DownloadResult& downloaded);

Q_SIGNALS:
    // The import ran: the archive on disk may have changed.
    void archiveWritten();

private:
    // Runs the import of one file with the given options: a dropped file, a download.
    using Importing = std::function<ImportReport(const ImportOptions&)>;
    void offerImport(const Importing& import, const ImportReport& plan);
    void offerRebuild(const Importing& import, const ImportReport& plan);
    bool showPlan(const Importing& import, const ImportReport& plan);
    void showOutcome(const ImportReport& done);
    QString boxText(const ImportReport& report) const;
    MsgAnswer showMessage(const MessageRequest& request);
    void startDownload(const QUrl& url);
    void downloadEnded();
    void offerDespiteDifferences(const Importing& import, const ImportReport& plan);
    void offerCorrection(const Importing& import, const ImportReport& done);
    QString detailLines(const ImportReport& report) const;

    Needs needs_;
    std::unique_ptr<StoricoDownload> download_;
    QPointer<QProgressDialog> progress_;
    QUrl downloading_;
};
