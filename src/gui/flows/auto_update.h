// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "archive/archive.h"
#include "storico/storico_download.h"

#include <QDateTime>
#include <QObject>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <memory>
#include <optional>

class FileStore;
class SettingsStore;

// The archive kept current while the window is open: at start-up and every 30 minutes, when a draw
// is due, the official file is downloaded in the background (a conditional request once one has
// been imported) and, as [Update] Auto says, its new draws are added (add), offered with the usual
// question (ask), or nothing is done (off). What it does is one line in the status line; a failure
// too, tried again at the next tick. A write waits while the user types a draw or answers a box.
class AutoUpdater : public QObject {
    Q_OBJECT
public:
    struct Needs {
        std::function<FileStore&()> dataFiles;
        SettingsStore* settings = nullptr;
        std::function<QDateTime()> now;
        std::function<const Archive&()> archive;
        std::function<bool()> mayWrite; // false while a draw is typed or a box is open
    };
    static constexpr int IntervalMinutes = 30;

    AutoUpdater(Needs needs, QObject* parent);
    ~AutoUpdater() override;

    void start();  // a check once the event loop runs, then one every IntervalMinutes
    void check();  // downloads when a draw is due; a download that waits is written if it may
    void resume(); // the download that waits is written, if it may now

Q_SIGNALS:
    void statusChanged(const QString& line); // until the next one; empty: the archive's own line
    void noted(const QString& line);         // once, until the user's next action: what was added
    void archiveWritten();
    // "ask": the download is offered as "Scarica gli ultimi risultati" offers it.
    void offerWanted(const QUrl& url, const DownloadResult& downloaded);

private:
    void downloadEnded();
    void importPending();
    void writeAgreeing(FileStore& files, const DownloadResult& downloaded);

    Needs needs_;
    QTimer timer_;
    std::unique_ptr<StoricoDownload> download_;
    std::optional<DownloadResult> pending_; // downloaded, not yet imported
    QUrl url_;
};
