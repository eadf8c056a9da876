// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storico/storico_download.h"
#include "storico/storico_import.h"
#include "storico/update_settings.h"

#include <QUrl>

class FileStore;
class SettingsStore;

// Bringing the archive up to date from the official site: the address, the conditional request,
// and the import of what came, as `--import` imports a file.

inline const QString DefaultUpdateUrl =
    QStringLiteral("https://www.igt.it/STORICO_ESTRAZIONI_LOTTO/storico.zip");

// Where to download from: `given` (the command line's --from) when there is one, else the
// settings' [Update] Url, else the official address. A plain path is taken as a local file.
QUrl UpdateAddress(const QString& given, SettingsStore& settings);

// `url` as a user reads it: a local file as a path in the system's own spelling.
QString UpdateAddressText(const QUrl& url);

// Whether `url` is one the update takes: https, http or a local file.
bool IsUpdateAddress(const QUrl& url);

// The request for `url`, within the deadline of the settings, with the validators kept for that address when
// the archive in `files` is still the one that download left: an answer "not modified" says nothing about
// another archive, nor about this one after it was restored from a copy or changed by hand.
DownloadRequest UpdateRequest(const QUrl& url, FileStore& files, SettingsStore& settings);

// A local file read as a download gives it; no conditional request.
DownloadResult ReadLocalUpdate(const QUrl& url);

// Imports what the download of `url` brought: from the network it must be a zip (a page or an
// error text is not the file). The new draws are added even when older ones differ (they are
// reported, and corrected only when asked). When the archive then agrees with the file, and the
// file does not end before it, the download's validators are kept for the next conditional request.
// A failed download is never imported: its problem is in the result's `download`.
struct UpdateOutcome {
    DownloadProblem download;
    bool notModified = false;
    ImportReport report; // when the download brought a file
};
UpdateOutcome ImportUpdate(FileStore& files, SettingsStore& settings, const QUrl& url,
                           const DownloadResult& downloaded, const ImportOptions& options);
