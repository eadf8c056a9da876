// SPDX-License-Identifier: GPL-3.0-or-later
// --import and --update: the official results file into the archive, from a file or from the site.
#include "cli/import_command.h"

#include "archive/archive_loader.h"
#include "archive/draw_schedule.h"
#include "archive/file_store.h"
#include "cli/cli_output.h"
#include "cli/command_line.h"
#include "settings/settings_store.h"
#include "storico/import_texts.h"
#include "storico/official_update.h"
#include "text/download_texts.h"
#include "text/status_texts.h"

#include <QDir>
#include <QIODevice>

namespace {

// Whether the archive lacks a draw whose evening has passed; when not, says so. An archive that
// does not load is left to the update, which says what is wrong with it.
bool drawDue(const DataFolder& folder, const QDateTime& now, QIODevice& out) {
    const auto loaded = LoadArchive(folder.path);
    if (loaded.error)
        return true;
    const NextDraw next = NextDrawOf(loaded.value);
    if (!next.date.isValid() || next.isDueAt(now))
        return true;
    WriteText(out, QStringLiteral("Nessuna estrazione attesa. %1.\n").arg(NextDrawText(next, now)));
    return false;
}

// The import's report, or its failure, as the command line says it.
int reportImport(const DataFolder& folder, const QString& file, const ImportReport& report,
                 ImportSource source, QIODevice& out, QIODevice& err) {
    if (report.problem.kind == ImportProblem::ArchiveError) {
        WriteArchiveError(err, folder.path, *report.problem.archiveError, report.problem.field);
        return ExitStatus::Failed;
    }
    if (report.status == ImportReport::Failed) {
        WriteText(err, QStringLiteral("vorel: %1: %2\n").arg(file, ImportProblemText(report.problem)));
        return ExitStatus::Failed;
    }
    // The report names the archive, so that a user sees which one was checked.
    WriteText(out, QStringLiteral("Archivio: ") + QDir::toNativeSeparators(folder.path) + u'\n' +
                       ImportReportText(report, source));
    return report.status == ImportReport::Agrees ? ExitStatus::Ok : ExitStatus::Mismatch;
}

} // namespace

int ImportCommand(const DataFolder& folder, const QString& file, const ImportOptions& options, QIODevice& in,
                  QIODevice& out, QIODevice& err) {
    const std::optional<QByteArray> bytes =
        file == QStringLiteral("-") ? std::optional<QByteArray>(in.readAll()) : ReadInput(file, err);
    if (!bytes)
        return ExitStatus::Failed;
    // The import may make the archive's folder, wherever it is to be.
    DiskFileStore files(folder.path, true);
    return reportImport(folder, file, ImportStorico(files, *bytes, options), ImportSource::File, out, err);
}

int UpdateCommand(const DataFolder& folder, const UpdateArguments& arguments, SettingsStore& settings,
                  QIODevice& out, QIODevice& err) {
    if (arguments.ifDue && !drawDue(folder, arguments.now, out))
        return ExitStatus::Ok;
    const QString& from = arguments.from;
    const ImportOptions& options = arguments.options;
    const QUrl url = UpdateAddress(from, settings);
    const QString shown = UpdateAddressText(url);
    if (!IsUpdateAddress(url)) {
        WriteText(err, QStringLiteral("vorel: %1\n")
                           .arg(DownloadProblemText(
                               {.kind = DownloadProblem::UnsupportedAddress, .field = shown})));
        return ExitStatus::Failed;
    }
    DiskFileStore files(folder.path, true);
    const DownloadResult downloaded =
        url.isLocalFile() ? ReadLocalUpdate(url) : DownloadStorico(UpdateRequest(url, files, settings));
    const UpdateOutcome outcome = ImportUpdate(files, settings, url, downloaded, options);
    if (outcome.download) {
        WriteText(err, QStringLiteral("vorel: %1: %2\n").arg(shown, DownloadProblemText(outcome.download)));
        return ExitStatus::Failed;
    }
    if (outcome.notModified) {
        WriteText(out, QStringLiteral("Archivio: ") + QDir::toNativeSeparators(folder.path) + u'\n' +
                           UpdateNotModifiedText(shown) + u'\n');
        return ExitStatus::Ok;
    }
    return reportImport(folder, shown, outcome.report, ImportSource::Site, out, err);
}

int SetCommand(const QStringList& assignments, SettingsStore& settings, QIODevice& out, QIODevice& err) {
    for (const QString& assignment : assignments)
        if (const QString problem = SetUpdateSetting(settings, assignment); !problem.isEmpty()) {
            WriteText(err, QStringLiteral("vorel: ") + problem + u'\n');
            return ExitStatus::Failed;
        }
    WriteText(
        out,
        QStringLiteral("Impostazioni salvate in %1\n").arg(QDir::toNativeSeparators(settings.location())));
    return ExitStatus::Ok;
}
