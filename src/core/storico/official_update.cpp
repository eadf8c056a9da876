// SPDX-License-Identifier: GPL-3.0-or-later
#include "storico/official_update.h"

#include "archive/file_sets.h"
#include "archive/file_store.h"
#include "settings/settings_store.h"
#include "storico/storico_zip.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

namespace {

const QString ValidatorsOfKey = QStringLiteral("ValidatorsOf"); // the address and archive of the next two
const QString ETagKey = QStringLiteral("ETag");
const QString LastModifiedKey = QStringLiteral("LastModified");

// The address and a digest of every archive file as the download left them.
QString validatorsOf(const QUrl& url, FileStore& files) {
    auto read = ReadArchive(files);
    if (read.error)
        return {};
    QCryptographicHash digest(QCryptographicHash::Sha256);
    for (const auto& [name, content] : NamedArchiveFiles(read.value.files)) {
        digest.addData(name.toUtf8());
        digest.addData(QByteArray::number(content->size()));
        digest.addData(*content);
    }
    return url.toString() + u' ' + QString::fromLatin1(digest.result().toHex());
}

void keepValidators(SettingsStore& settings, const QString& of, const DownloadResult& downloaded) {
    settings.write(UpdateSection, ValidatorsOfKey, of);
    settings.write(UpdateSection, ETagKey, downloaded.etag);
    settings.write(UpdateSection, LastModifiedKey, downloaded.lastModified);
}

} // namespace

QUrl UpdateAddress(const QString& given, SettingsStore& settings) {
    QString address = !given.isEmpty() ? given : settings.read(UpdateSection, UpdateUrlKey, {}).trimmed();
    if (address.isEmpty())
        address = DefaultUpdateUrl;
    const QUrl url(address);
    if (url.scheme().isEmpty() || QFileInfo(address).isAbsolute())
        return QUrl::fromLocalFile(QFileInfo(address).absoluteFilePath());
    return url;
}

QString UpdateAddressText(const QUrl& url) {
    return url.isLocalFile() ? QDir::toNativeSeparators(url.toLocalFile()) : url.toString();
}

bool IsUpdateAddress(const QUrl& url) {
    const QString scheme = url.scheme();
    return url.isValid() &&
           (url.isLocalFile() || ((scheme == QStringLiteral("https") || scheme == QStringLiteral("http")) &&
                                  !url.host().isEmpty()));
}

DownloadRequest UpdateRequest(const QUrl& url, FileStore& files, SettingsStore& settings) {
    DownloadRequest request;
    request.url = url;
    request.deadlineSeconds = UpdateDeadlineSeconds(settings);
    const QString kept = settings.read(UpdateSection, ValidatorsOfKey, {});
    if (!kept.isEmpty() && kept == validatorsOf(url, files)) {
        request.etag = settings.read(UpdateSection, ETagKey, {});
        request.lastModified = settings.read(UpdateSection, LastModifiedKey, {});
    }
    return request;
}

DownloadResult ReadLocalUpdate(const QUrl& url) {
    auto read = ReadWholeFile(url.toLocalFile());
    DownloadResult result;
    result.bytes = std::move(read.value);
    if (read.error)
        result.problem = {.kind = DownloadProblem::FileUnreadable, .fileError = read.error};
    return result;
}

UpdateOutcome ImportUpdate(FileStore& files, SettingsStore& settings, const QUrl& url,
                           const DownloadResult& downloaded, const ImportOptions& options) {
    UpdateOutcome outcome;
    outcome.download = downloaded.problem;
    outcome.notModified = downloaded.notModified;
    if (outcome.download || outcome.notModified)
        return outcome;
    if (!url.isLocalFile() && !LooksLikeZip(downloaded.bytes)) {
        outcome.download = {.kind = DownloadProblem::NotAZip};
        return outcome;
    }
    ImportOptions updating = options;
    updating.addDespiteDifferences = true;
    outcome.report = ImportStorico(files, downloaded.bytes, updating);
    // A file older than the archive is said again at the next update, not answered "not modified".
    if (!url.isLocalFile() && !options.dryRun && outcome.report.status == ImportReport::Agrees &&
        outcome.report.archiveLast == PackedDate{})
        keepValidators(settings, validatorsOf(url, files), downloaded);
    return outcome;
}
