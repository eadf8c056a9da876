// SPDX-License-Identifier: GPL-3.0-or-later
#include "storico/official_update.h"

#include "archive/file_store.h"
#include "settings/settings_store.h"
#include "storico/storico_zip.h"
#include "text/error_text.h"

#include <QFileInfo>

namespace {

const QString UrlKey = QStringLiteral("Url");
const QString ValidatorsOfKey = QStringLiteral("ValidatorsOf"); // the address and archive of the next two
const QString ETagKey = QStringLiteral("ETag");
const QString LastModifiedKey = QStringLiteral("LastModified");

QString validatorsOf(const QUrl& url, const QString& archiveFolder) {
    return url.toString() + u' ' + archiveFolder;
}

void keepValidators(SettingsStore& settings, const QString& of, const DownloadResult& downloaded) {
    settings.write(UpdateSection, ValidatorsOfKey, of);
    settings.write(UpdateSection, ETagKey, downloaded.etag);
    settings.write(UpdateSection, LastModifiedKey, downloaded.lastModified);
}

} // namespace

QUrl UpdateAddress(const QString& given, SettingsStore& settings) {
    const QString address =
        !given.isEmpty() ? given : settings.read(UpdateSection, UrlKey, DefaultUpdateUrl).trimmed();
    const QUrl url(address);
    if (url.scheme().isEmpty() || QFileInfo(address).isAbsolute())
        return QUrl::fromLocalFile(QFileInfo(address).absoluteFilePath());
    return url;
}

bool IsUpdateAddress(const QUrl& url) {
    const QString scheme = url.scheme();
    return url.isValid() &&
           (url.isLocalFile() || ((scheme == QStringLiteral("https") || scheme == QStringLiteral("http")) &&
                                  !url.host().isEmpty()));
}

DownloadRequest UpdateRequest(const QUrl& url, const QString& archiveFolder, SettingsStore& settings) {
    DownloadRequest request;
    request.url = url;
    if (settings.read(UpdateSection, ValidatorsOfKey, {}) == validatorsOf(url, archiveFolder)) {
        request.etag = settings.read(UpdateSection, ETagKey, {});
        request.lastModified = settings.read(UpdateSection, LastModifiedKey, {});
    }
    return request;
}

DownloadResult ReadLocalUpdate(const QUrl& url) {
    DownloadResult result;
    if (const int error = ReadWholeFile(url.toLocalFile(), result.bytes))
        result.problem = {.kind = DownloadProblem::FileUnreadable, .field = ErrorMessageText(error)};
    return result;
}

UpdateOutcome ImportUpdate(FileStore& files, const QString& archiveFolder, SettingsStore& settings,
                           const QUrl& url, const DownloadResult& downloaded, const ImportOptions& options) {
    UpdateOutcome outcome;
    outcome.download = downloaded.problem;
    outcome.notModified = downloaded.notModified;
    if (outcome.download || outcome.notModified)
        return outcome;
    if (!url.isLocalFile() && !LooksLikeZip(downloaded.bytes)) {
        outcome.download = {.kind = DownloadProblem::NotAZip};
        return outcome;
    }
    outcome.report = ImportStorico(files, downloaded.bytes, options);
    if (!url.isLocalFile() && !options.dryRun && outcome.report.status == ImportReport::Agrees)
        keepValidators(settings, validatorsOf(url, archiveFolder), downloaded);
    return outcome;
}
