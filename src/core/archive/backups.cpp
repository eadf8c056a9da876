// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/backups.h"

#include "archive/archive.h"
#include "archive/archive_loader.h"
#include "archive/archive_writer.h"
#include "archive/data_file_layout.h"
#include "archive/file_store.h"
#include "archive/sealed_text.h"

#include <QRegularExpression>
#include <algorithm>
#include <map>

namespace {

const QByteArray ManifestHeader = "vorel-backup 1\n";

QString pathIn(const QString& backup, const QString& file = {}) {
    return BackupFolderName + u'/' + backup + (file.isEmpty() ? QString() : u'/' + file);
}

// What a manifest says: the backup's facts and each file's length and checksum.
struct Manifest {
    BackupInfo info;
    std::map<QString, std::pair<qint64, QByteArray>> files; // by the name the program asks for
};

QByteArray manifestOf(const Manifest& manifest) {
    const BackupInfo& info = manifest.info;
    QByteArray body = ManifestHeader;
    body += "sequence " + QByteArray::number(info.sequence) + '\n';
    body += "time " + info.time.toString(Qt::ISODate).toUtf8() + '\n';
    body += "draws " + QByteArray::number(info.draws) + '\n';
    body += "last " + info.lastDraw.toUtf8() + '\n';
    for (const auto& [name, file] : manifest.files)
        body += "file " + name.toUtf8() + ' ' + QByteArray::number(file.first) + ' ' + file.second + '\n';
    return Sealed(body);
}

std::optional<Manifest> readManifest(const QByteArray& text) {
    const std::optional<QByteArray> body = Unsealed(text);
    if (!body || !body->startsWith(ManifestHeader))
        return std::nullopt;
    Manifest manifest;
    for (const QByteArray& line : body->mid(ManifestHeader.size()).split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        const QByteArray key = fields.value(0);
        const QString value = QString::fromUtf8(fields.value(1));
        if (key == "sequence")
            manifest.info.sequence = value.toLongLong();
        else if (key == "time")
            manifest.info.time = QDateTime::fromString(value, Qt::ISODate);
        else if (key == "draws")
            manifest.info.draws = value.toInt();
        else if (key == "last")
            manifest.info.lastDraw = value;
        else if (key == "file" && fields.size() == 4)
            manifest.files[value] = {fields[2].toLongLong(), fields[3]};
    }
    manifest.info.complete = true;
    return manifest;
}

// The archive's size and its last draw, as the manifest tells them.
void describeArchive(const ArchiveSnapshot& snapshot, BackupInfo& info) {
    if (!snapshot.exists())
        return;
    const auto decoded = DecodeArchive(snapshot.files.full);
    if (decoded.error)
        return;
    const Archive& archive = decoded.value;
    info.draws = archive.DrawCount();
    const PackedDate last = archive.DrawDate(archive.DrawCount());
    info.lastDraw = QString::asprintf("%02d-%02d-%04d", last.day, last.month, FullYear(last.yearCode));
}

// A name the program gives its backups: the time it was made, numbered when taken.
bool programsName(const QString& folder) {
    static const QRegularExpression name(QStringLiteral("^\\d{8}-\\d{6}(-\\d+)?$"));
    return name.match(folder).hasMatch();
}

// A folder a backup left when it was cut short: holding nothing but archive files and a manifest.
bool onlyBackupFiles(const QStringList& files) {
    QStringList known = DataFileName::all();
    known.append(ManifestName);
    return std::all_of(files.begin(), files.end(), [&known](const QString& file) {
        return std::any_of(known.begin(), known.end(),
                           [&file](const QString& name) { return DataFileName::same(file, name); });
    });
}

// Removes the backups cut short and the complete ones beyond the newest KeptBackups, by the order
// they were made (a clock set wrong once does not matter), never the one just made.
void rotate(FileStore& store, const QString& made) {
    int kept = 1;
    for (const BackupInfo& backup : ListBackups(store))
        if (backup.name != made && (!backup.complete || ++kept > KeptBackups))
            (void)store.remove(pathIn(backup.name)); // tried again at the next backup
}

} // namespace

std::vector<BackupInfo> ListBackups(FileStore& store) {
    std::vector<BackupInfo> backups;
    for (const QString& folder : store.entries(BackupFolderName)) {
        const FileRead read = store.read(pathIn(folder, ManifestName));
        std::optional<Manifest> manifest = read.exists ? readManifest(read.bytes) : std::nullopt;
        // A folder of the user's, even a copy of a backup, is never counted nor removed.
        if (!programsName(folder) || (!manifest && !onlyBackupFiles(store.entries(pathIn(folder)))))
            continue;
        BackupInfo info = manifest ? manifest->info : BackupInfo{};
        info.name = folder;
        backups.push_back(info);
    }
    std::sort(backups.begin(), backups.end(), [](const BackupInfo& a, const BackupInfo& b) {
        if (a.complete != b.complete)
            return a.complete;
        return a.complete ? a.sequence > b.sequence : a.name > b.name;
    });
    return backups;
}

Result<QString> MakeBackup(FileStore& store, const ArchiveSnapshot& snapshot, const QDateTime& now) {
    const std::vector<BackupInfo> before = ListBackups(store);
    const QStringList taken = store.entries(BackupFolderName);
    const QString base = now.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString name = base;
    for (int n = 2; taken.contains(name, Qt::CaseInsensitive); ++n)
        name = base + u'-' + QString::number(n);

    Manifest manifest;
    manifest.info.time = now;
    manifest.info.sequence = before.empty() || !before.front().complete ? 1 : before.front().sequence + 1;
    describeArchive(snapshot, manifest.info);
    ArchiveFiles files = snapshot.files;
    for (const auto& [file, bytes] : NamedArchiveFiles(files)) {
        if (!snapshot.present.contains(file.toLower()))
            continue;
        if (Failure error = store.write(pathIn(name, file), *bytes)) {
            (void)store.remove(pathIn(name)); // or by the next backup, as one cut short
            return {{}, error};
        }
        manifest.files[file] = {bytes->size(), DigestOf(*bytes)};
    }
    if (Failure error = store.write(pathIn(name, ManifestName), manifestOf(manifest))) {
        (void)store.remove(pathIn(name));
        return {{}, error};
    }
    rotate(store, name);
    return {name, {}};
}

BackupRead ReadBackup(FileStore& store, const QString& name) {
    const std::vector<BackupInfo> backups = ListBackups(store);
    const auto found = std::find_if(backups.begin(), backups.end(), [&name](const BackupInfo& backup) {
        return name == QStringLiteral("last") ? backup.complete : DataFileName::same(backup.name, name);
    });
    if (found == backups.end())
        return {.error = FileError::FileNotFound};
    BackupRead backup{.info = *found};
    const BackupInfo& info = backup.info;
    ArchiveSnapshot& snapshot = backup.snapshot;
    const std::optional<Manifest> manifest = readManifest(store.read(pathIn(info.name, ManifestName)).bytes);
    if (!manifest)
        return {.info = info, .error = FileError::BadRecordNumber};
    for (const auto& [file, bytes] : NamedArchiveFiles(snapshot.files)) {
        const auto listed = manifest->files.find(file);
        if (listed == manifest->files.end())
            continue;
        FileRead read = store.read(pathIn(info.name, file));
        if (read.error)
            return {.info = info, .error = read.error};
        if (!read.exists || read.bytes.size() != listed->second.first ||
            DigestOf(read.bytes) != listed->second.second)
            return {.info = info, .error = FileError::BadRecordNumber};
        *bytes = std::move(read.bytes);
        snapshot.present.insert(file.toLower());
    }
    return backup;
}

ArchiveSnapshot RestoredFiles(const ArchiveSnapshot& backup, const ArchiveSnapshot& current) {
    ArchiveSnapshot restored = backup;
    for (const QString& name : DataFileName::all().mid(0, 4))
        if (current.present.contains(name.toLower()))
            restored.present.insert(name.toLower());
    if (!current.subArchives() || backup.subArchives())
        return restored;
    if (const auto decoded = DecodeArchive(backup.files.full); !decoded.error) {
        const ArchiveFiles implied = EncodeArchive(decoded.value);
        restored.files.weekly = implied.weekly;
        restored.files.midweek = implied.midweek;
        for (const QString& name : DataFileName::all().mid(4))
            restored.present.insert(name.toLower());
    }
    return restored;
}
