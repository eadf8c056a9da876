// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/delete_last.h"

#include "archive/archive_update.h"
#include "archive/file_store.h"
#include "cli/cli_output.h"
#include "cli/command_line.h"
#include "text/draw_texts.h"
#include "text/messages.h"

#include <QIODevice>

namespace {

// The archive as it is now, read without keeping the lock; false when there is none to delete from.
bool readForDeleting(FileStore& files, const QString& dataPath, Archive& archive, QIODevice& err) {
    ArchiveUpdate update(files);
    Failure error = update.open(false);
    if (!error && !update.exists())
        error = FileError::FileNotFound;
    if (!error)
        error = update.loadError();
    if (!error && update.damaged())
        error = FileError::ArchiveDamaged;
    if (error) {
        WriteArchiveError(err, dataPath, *error);
        return false;
    }
    archive = update.archive();
    if (archive.DrawCount() == 0) {
        WriteText(err, QStringLiteral("vorel: l'archivio non ha estrazioni da eliminare.\n"));
        return false;
    }
    return true;
}

QString lastDrawText(const Archive& archive) {
    const int last = archive.DrawCount();
    return NamedDrawText(last, archive.DrawWeekday(last), archive.DrawDate(last));
}

// Whether a typed answer is yes: "s", "si", "sì" or "yes", in any case.
bool isYesAnswer(const QString& answer) {
    const QString word = answer.trimmed().toLower();
    return word == u"s" || word == u"si" || word == u"s\u00ec" || word == u"yes";
}

} // namespace

int DeleteLastCommand(const QString& dataPath, bool dryRun, QIODevice& in, QIODevice& out, QIODevice& err) {
    DiskFileStore files(dataPath);
    Archive archive;
    if (!readForDeleting(files, dataPath, archive, err))
        return ExitStatus::Failed;
    const QString named = lastDrawText(archive);
    if (dryRun) {
        WriteText(out, QStringLiteral("Da eliminare: %1.\n").arg(named) + DryRunWroteNothingText() + u'\n');
        return ExitStatus::Ok;
    }
    WriteText(out, QStringLiteral("Eliminare l'ultima estrazione dall'archivio?\n%1 [s/N] ").arg(named));
    const QByteArray answer = in.readLine(64);
    // An answer that came without its line end (the end of a pipe) leaves the line to end here.
    if (!answer.endsWith('\n'))
        WriteText(out, QStringLiteral("\n"));
    if (!isYesAnswer(QString::fromUtf8(answer))) {
        WriteText(out, QStringLiteral("Nulla \u00e8 stato scritto.\n"));
        return ExitStatus::Mismatch;
    }
    const ArchiveUpdateResult result = DeleteLastDraw(files, archive);
    if (result.error == FileError::ArchiveChanged) {
        WriteText(err, QStringLiteral("vorel: ") + ArchiveChangedByAnotherProgram() +
                           QStringLiteral(" dopo la domanda: nulla \u00e8 stato scritto.\n"));
        return ExitStatus::Failed;
    }
    if (result.error) {
        WriteArchiveError(err, dataPath, *result.error, result.file);
        return ExitStatus::Failed;
    }
    WriteText(out, QStringLiteral("Eliminata: %1.\n").arg(named));
    if (!result.backup.isEmpty())
        WriteText(out, BackupMadeText(result.backup) + u'\n');
    return ExitStatus::Ok;
}
