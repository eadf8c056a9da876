// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command_line.h"

#include "archive/archive.h"
#include "archive/archive_check.h"
#include "archive/archive_loader.h"
#include "archive/archive_repair.h"
#include "archive/archive_update.h"
#include "archive/backups.h"
#include "archive/data_file_layout.h"
#include "archive/file_store.h"
#include "cli/cli_output.h"
#include "cli/csv_export.h"
#include "cli/data_folder.h"
#include "cli/delete_last.h"
#include "cli/import_command.h"
#include "cli/qt_options.h"
#include "cli/stats_command.h"
#include "cli/verify_report.h"
#include "paste/paste_analysis.h"
#include "program_info.h"
#include "settings/settings_store.h"
#include "storico/official_update.h"
#include "storico/storico_writer.h"
#include "text/check_texts.h"
#include "text/draw_texts.h"
#include "text/error_text.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <optional>

namespace {

// The options as the parser knows them; what they do is said once, in UsageText.
const QCommandLineOption HelpOption(QStringList{QStringLiteral("h"), QStringLiteral("help")});
const QCommandLineOption VersionOption(QStringList{QStringLiteral("v"), QStringLiteral("version")});
const QCommandLineOption DataOption(QStringLiteral("data"), QString(), QStringLiteral("DIR"));
const QCommandLineOption ExportOption(QStringLiteral("export"), QString(), QStringLiteral("FILE"));
const QCommandLineOption FormatOption(QStringLiteral("format"), QString(), QStringLiteral("csv|storico"),
                                      QStringLiteral("csv"));
const QCommandLineOption VerifyOption(QStringLiteral("verify"));
const QCommandLineOption ImportOption(QStringLiteral("import"), QString(), QStringLiteral("FILE"));
const QCommandLineOption DryRunOption(QStringLiteral("dry-run"));
const QCommandLineOption CorrectOption(QStringLiteral("correct"));
const QCommandLineOption RebuildOption(QStringLiteral("rebuild"));
const QCommandLineOption UpdateOption(QStringLiteral("update"));
const QCommandLineOption FromOption(QStringLiteral("from"), QString(), QStringLiteral("URL|DATE"));
const QCommandLineOption ToOption(QStringLiteral("to"), QString(), QStringLiteral("DATE"));
const QCommandLineOption StatsOption(QStringLiteral("stats"), QString(), QStringLiteral("WHEEL"));
const QCommandLineOption PairsOption(QStringLiteral("pairs"));
const QCommandLineOption FindOption(QStringLiteral("find"), QString(), QStringLiteral("N1[,N2..]"));
const QCommandLineOption WheelOption(QStringLiteral("wheel"), QString(), QStringLiteral("WHEEL"));
const QCommandLineOption CheckOption(QStringLiteral("check"));
const QCommandLineOption RepairOption(QStringLiteral("repair"));
const QCommandLineOption ListBackupsOption(QStringLiteral("list-backups"));
const QCommandLineOption RestoreOption(QStringLiteral("restore"), QString(), QStringLiteral("BACKUP"));
const QCommandLineOption DeleteLastOption(QStringLiteral("delete-last"));
const QCommandLineOption IfDueOption(QStringLiteral("if-due"));
const QCommandLineOption SetOption(QStringLiteral("set"), QString(), QStringLiteral("Update.KEY=VALUE"));

void configure(QCommandLineParser& parser) {
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    parser.addOptions({HelpOption,    VersionOption,    DataOption,   ExportOption,  FormatOption,
                       VerifyOption,  ImportOption,     DryRunOption, CorrectOption, RebuildOption,
                       UpdateOption,  FromOption,       CheckOption,  RepairOption,  ListBackupsOption,
                       RestoreOption, DeleteLastOption, ToOption,     StatsOption,   PairsOption,
                       FindOption,    WheelOption,      IfDueOption,  SetOption});
}

int usageError(QIODevice& err, const QString& problem) {
    WriteText(err, QStringLiteral("vorel: ") + problem + u'\n' + UsageText());
    return ExitStatus::Failed;
}

// The archive for a command; none when it does not load (reported).
std::optional<Archive> loadFor(const QString& dataPath, QIODevice& err) {
    auto loaded = LoadArchive(dataPath);
    if (loaded.error) {
        WriteArchiveError(err, dataPath, *loaded.error);
        return std::nullopt;
    }
    return std::move(loaded.value);
}

void printProblems(const std::vector<ArchiveProblem>& problems, QIODevice& out) {
    for (const ArchiveProblem& problem : problems)
        WriteText(out, CheckText::problem(problem) + u'\n');
}

// The archive for the check and the repair; false when there is none to read (reported).
bool openArchive(ArchiveUpdate& update, const QString& dataPath, bool forWriting, QIODevice& err) {
    const Failure error = update.open(forWriting);
    if (error || !update.snapshot().anyFile()) {
        WriteArchiveError(err, dataPath, error.value_or(FileError::FileNotFound));
        return false;
    }
    return true;
}

// The check reads like any reader: under the lock, which it lets go once it has read.
int checkArchive(const QString& dataPath, QIODevice& out, QIODevice& err) {
    DiskFileStore files(dataPath);
    ArchiveUpdate update(files);
    if (!openArchive(update, dataPath, false, err))
        return ExitStatus::Failed;
    const std::vector<ArchiveProblem>& problems = update.problems();
    printProblems(problems, out);
    if (problems.empty()) {
        WriteText(out, CheckText::sound(update.archive().DrawCount()) + u'\n');
        return ExitStatus::Ok;
    }
    return IsUnreadable(problems) ? ExitStatus::Failed : ExitStatus::Mismatch;
}

// The repair holds the lock from its check to its last write.
int repairArchive(const QString& dataPath, QIODevice& out, QIODevice& err) {
    DiskFileStore files(dataPath);
    ArchiveUpdate update(files);
    if (!openArchive(update, dataPath, true, err))
        return ExitStatus::Failed;
    printProblems(update.problems(), out);
    if (update.problems().empty()) {
        WriteText(out, CheckText::sound(update.archive().DrawCount()) + u'\n');
        return ExitStatus::Ok;
    }
    const RepairPlan plan = PlanRepair(update.snapshot());
    const ArchiveUpdateResult result = update.write({.files = plan.files});
    if (result.error) {
        WriteArchiveError(err, dataPath, *result.error, result.file);
        return ExitStatus::Failed;
    }
    for (const RepairStep& step : plan.steps)
        WriteText(out, CheckText::step(step) + u'\n');
    if (!result.backup.isEmpty())
        WriteText(out, BackupMadeText(result.backup) + u'\n');
    const std::vector<ArchiveProblem> left = CheckArchive(plan.files);
    if (left.empty()) {
        WriteText(out, CheckText::sound(DatesFileCount(plan.files.files.full.dates)) + u'\n');
        return ExitStatus::Ok;
    }
    if (!plan.steps.empty())
        printProblems(left, out);
    WriteText(out, CheckText::leftToTheUser(left) + u'\n');
    return ExitStatus::Mismatch;
}

int listBackups(const QString& dataPath, QIODevice& out, QIODevice& err) {
    if (!QFileInfo(dataPath).isDir()) {
        WriteArchiveError(err, dataPath, FileError::PathNotFound);
        return ExitStatus::Failed;
    }
    DiskFileStore files(dataPath);
    const std::vector<BackupInfo> backups = ListBackups(files);
    if (backups.empty())
        WriteText(out, CheckText::noBackups() + u'\n');
    for (const BackupInfo& backup : backups)
        WriteText(out, CheckText::backupLine(backup) + u'\n');
    return ExitStatus::Ok;
}

// A backup that is complete and sound replaces the archive, after a backup of the archive as it is.
int restoreArchive(const QString& dataPath, const QString& name, QIODevice& out, QIODevice& err) {
    DiskFileStore files(dataPath);
    ArchiveUpdate update(files);
    if (Failure error = update.open()) {
        WriteArchiveError(err, dataPath, *error);
        return ExitStatus::Failed;
    }
    const BackupRead backup = ReadBackup(files, name);
    if (backup.error || HasDamage(CheckArchive(backup.snapshot))) {
        // A damaged backup is said as one that differs from its manifest.
        const FileError why = backup.error.value_or(FileError::BadRecordNumber);
        const QString named = why == FileError::FileNotFound ? name : backup.info.name;
        WriteText(err, QStringLiteral("vorel: ") + CheckText::backupUnusable(named, why) + u'\n');
        return why == FileError::FileNotFound ? ExitStatus::Failed : ExitStatus::Mismatch;
    }
    const ArchiveUpdateResult result =
        update.write({.files = RestoredFiles(backup.snapshot, update.snapshot())});
    if (result.error) {
        WriteArchiveError(err, dataPath, *result.error, result.file);
        return ExitStatus::Failed;
    }
    WriteText(out, CheckText::restored(backup.info) + u'\n');
    if (!result.backup.isEmpty())
        WriteText(out, BackupMadeText(result.backup) + u'\n');
    return ExitStatus::Ok;
}

int exportArchive(const Archive& archive, const QString& file, const QString& format, QIODevice& out,
                  QIODevice& err) {
    const QByteArray bytes =
        format == QStringLiteral("storico") ? ExportStorico(archive) : ExportCsv(archive);
    if (file == QStringLiteral("-"))
        return out.write(bytes) == bytes.size() ? ExitStatus::Ok : ExitStatus::Failed;
    if (Failure error = ReplaceFile(file, bytes)) {
        WriteText(err,
                  QStringLiteral("vorel: impossibile scrivere %1: %2\n").arg(file, ErrorMessageText(*error)));
        return ExitStatus::Failed;
    }
    return ExitStatus::Ok;
}

// A text file as the paste window would receive it: UTF-8, or Latin-1 when it is not UTF-8.
std::optional<QString> readText(const QString& file, QIODevice& err) {
    const std::optional<QByteArray> bytes = ReadInput(file, err);
    if (!bytes)
        return std::nullopt;
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(*bytes);
    if (utf8.hasError())
        text = QString::fromLatin1(*bytes);
    return text;
}

int verifyFiles(const Archive& archive, const QStringList& files, QIODevice& out, QIODevice& err) {
    int status = ExitStatus::Ok;
    for (const QString& file : files) {
        const std::optional<QString> text = readText(file, err);
        if (!text) {
            status = ExitStatus::Failed;
            continue;
        }
        const PasteAnalysis analysis = AnalysePastedText(*text, archive);
        WriteText(out, VerifyLine(file, analysis, archive) + u'\n');
        if (!VerifyPassed(analysis) && status == ExitStatus::Ok)
            status = ExitStatus::Mismatch;
    }
    return status;
}

// What is wrong with the options together, or nothing.
QString usageProblem(const QCommandLineParser& parser) {
    const bool exporting = parser.isSet(ExportOption), verifying = parser.isSet(VerifyOption),
               importing = parser.isSet(ImportOption), checking = parser.isSet(CheckOption),
               updating = parser.isSet(UpdateOption), listing = parser.isSet(ListBackupsOption),
               restoring = parser.isSet(RestoreOption), deleting = parser.isSet(DeleteLastOption),
               stats = parser.isSet(StatsOption), finding = parser.isSet(FindOption),
               setting = parser.isSet(SetOption);
    const QString format = parser.value(FormatOption);
    if (int(exporting) + int(verifying) + int(importing) + int(checking) + int(updating) + int(listing) +
            int(restoring) + int(deleting) + int(stats) + int(finding) + int(setting) >
        1)
        return QStringLiteral("--export, --verify, --import, --update, --check, --list-backups, --restore, "
                              "--delete-last, --stats, --find and --set go one at a time.");
    if (!updating && parser.isSet(IfDueOption))
        return QStringLiteral("--if-due goes with --update.");
    if (!importing && !updating && !deleting && parser.isSet(DryRunOption))
        return QStringLiteral("--dry-run goes with --import, --update or --delete-last.");
    if (!importing && !updating && (parser.isSet(CorrectOption) || parser.isSet(RebuildOption)))
        return QStringLiteral("--correct and --rebuild go with --import or --update.");
    if (parser.isSet(CorrectOption) && parser.isSet(RebuildOption))
        return QStringLiteral("--correct and --rebuild go one at a time.");
    if (!checking && parser.isSet(RepairOption))
        return QStringLiteral("--repair goes with --check.");
    if (!updating && !stats && !finding && parser.isSet(FromOption))
        return QStringLiteral("--from goes with --update, --stats or --find.");
    if (!stats && !finding && parser.isSet(ToOption))
        return QStringLiteral("--to goes with --stats or --find.");
    if (!stats && parser.isSet(PairsOption))
        return QStringLiteral("--pairs goes with --stats.");
    if (!finding && parser.isSet(WheelOption))
        return QStringLiteral("--wheel goes with --find.");
    if (!exporting && parser.isSet(FormatOption))
        return QStringLiteral("--format goes with --export.");
    if (format != QStringLiteral("csv") && format != QStringLiteral("storico"))
        return QStringLiteral("Unknown format '%1'.").arg(format);
    if (verifying && parser.positionalArguments().isEmpty())
        return QStringLiteral("--verify needs at least one FILE.");
    const bool window = !exporting && !verifying && !importing && !checking && !updating && !listing &&
                        !restoring && !deleting && !stats && !finding && !setting;
    if (!verifying && parser.positionalArguments().size() > (window ? 1 : 0))
        return QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().last());
    return {};
}

// A command that ran, or a usage error: the program ends with `status`.
CommandLineResult ended(int status, const QString& dataPath = {}) {
    CommandLineResult result;
    result.exitStatus = status;
    result.dataPath = dataPath;
    return result;
}

} // namespace

QString UsageText() {
    return QStringLiteral(
               "Usage: vorel [--data DIR] [FILE]               open the window; FILE, the official\n"
               "                                               results file, is offered for import\n"
               "       vorel [--data DIR] --export FILE [--format csv|storico]\n"
               "       vorel [--data DIR] --verify FILE...\n"
               "       vorel [--data DIR] --import FILE [--dry-run] [--correct | --rebuild]\n"
               "       vorel [--data DIR] --update [--from URL] [--dry-run] [--correct | --rebuild]\n"
               "                                   [--if-due]\n"
               "       vorel --set Update.KEY=VALUE...\n"
               "       vorel [--data DIR] --check [--repair]\n"
               "       vorel [--data DIR] --list-backups\n"
               "       vorel [--data DIR] --restore BACKUP|last\n"
               "       vorel [--data DIR] --delete-last [--dry-run]\n"
               "       vorel [--data DIR] --stats WHEEL [--from DATE] [--to DATE] [--pairs]\n"
               "       vorel [--data DIR] --find N1[,N2..] [--wheel WHEEL] [--from DATE] [--to DATE]\n"
               "       vorel --help | --version\n"
               "\n"
               "  --data DIR      the folder of the archive (default: the program's folder when it\n"
               "                  holds one, otherwise the per-user data folder)\n"
               "  --export FILE   write the archive to FILE (- for standard output)\n"
               "  --format F      csv (the default) or storico, the official results' format\n"
               "  --verify        check each FILE, a published draw text, against the archive;\n"
               "                  exit status 0 when every file is verified or a new draw, 1 otherwise\n"
               "  --import FILE   bring the archive in line with FILE, the official results archive\n"
               "                  (- for standard input): fills an empty folder, adds the newer draws;\n"
               "                  exit status 0 when the archive agrees with FILE, 1 for differences\n"
               "                  or gaps, 2 for errors\n"
               "  --dry-run       with --import or --delete-last: report only, write nothing\n"
               "  --correct       with --import: rewrite the draws whose numbers differ\n"
               "  --rebuild       with --import: write the whole archive from FILE, which must start\n"
               "                  with the draw of %1 (the way out of gaps and repeated dates)\n"
               "  --update        download the official results archive (a zip) and import it as\n"
               "                  --import does; the same options and exit statuses, and 0 when the\n"
               "                  server says nothing changed since the last download; the new draws\n"
               "                  are added even when older ones differ (exit status 1: they are\n"
               "                  listed, and rewritten only with --correct)\n"
               "  --if-due        with --update: do nothing (exit status 0) unless the archive lacks\n"
               "                  a draw whose evening (20:00, Italian time) has passed; for timers\n"
               "  --set Update.KEY=VALUE\n"
               "                  store a setting of the update (an empty VALUE restores the default):\n"
               "                  Url, the address to download from; Auto, what the window does when\n"
               "                  a draw is due: add (the default), ask or off; Timeout, the seconds\n"
               "                  the whole download may take (default 300)\n"
               "  --from URL      with --update: download from URL (https://, http://, file:// or a\n"
               "                  path) instead of [Update] Url in the settings, or else\n"
               "                  %2\n"
               "  --check         check the whole archive; exit status 0 when it is sound, 1 for\n"
               "                  problems, 2 when it cannot be read\n"
               "  --repair        with --check: take each damaged value from the archive's other\n"
               "                  copy (the sub-archives S and M, a weekday from its date), write the\n"
               "                  sub-archives again from a sound full archive, and list what is left;\n"
               "                  where two sound copies disagree it changes neither (exit status 1)\n"
               "  --list-backups  list the backups of the archive, the newest first\n"
               "  --restore B     put the archive back as backup B holds it (last: the newest\n"
               "                  complete one), once it is found complete and sound; exit status 0\n"
               "                  when restored, 1 for a backup that is incomplete or damaged, 2 for\n"
               "                  errors\n"
               "  --delete-last   name the archive's last draw and, when the answer to the question\n"
               "                  is s (yes), take it back; with --dry-run only name it; exit status\n"
               "                  0 when deleted, 1 when the answer was no, 2 for errors\n"
               "  --stats WHEEL   write CSV: for each number 1..90 on WHEEL (BA .. VE, RN; RM or RO\n"
               "                  for Roma; TT for all wheels) the times drawn, the current and the\n"
               "                  longest delay in draws, the date of its last draw\n"
               "  --pairs         with --stats: the same for the 4005 pairs of one wheel\n"
               "  --find N        write CSV: the draws in which all the numbers N (1 to 5, separated\n"
               "                  by commas) came out together on one wheel; exit status 0 with\n"
               "                  rows, 1 with none\n"
               "  --wheel WHEEL   with --find: only on WHEEL (default: any wheel)\n"
               "  --from DATE, --to DATE\n"
               "                  with --stats or --find: only the draws from, to DATE (included),\n"
               "                  yyyy-mm-dd or dd-mm-yyyy\n"
               "\n"
               "Every write keeps the archive locked and replaces its files all or nothing; one that\n"
               "changes stored draws, rewrites the sub-archives, repairs, rebuilds or restores first\n"
               "copies the files into the folder backup/ beside them (the ten newest copies are\n"
               "kept). Nothing is added to a damaged archive: --check says what is wrong.\n")
        .arg(FirstArchiveDrawText(), DefaultUpdateUrl);
}

CommandLineResult RunCommandLine(const QStringList& arguments, const QString& programFolder, QIODevice& in,
                                 QIODevice& out, QIODevice& err) {
    QCommandLineParser parser;
    configure(parser);
    if (!parser.parse(WithoutQtOptions(arguments)))
        return ended(usageError(err, parser.errorText()));
    if (parser.isSet(HelpOption)) {
        WriteText(out, UsageText());
        return ended(ExitStatus::Ok);
    }
    if (parser.isSet(VersionOption)) {
        WriteText(out, QStringLiteral("vorel ") + ProgramVersion + u'\n');
        return ended(ExitStatus::Ok);
    }
    const DataFolder folder = ChooseDataFolder(
        parser.isSet(DataOption) ? parser.value(DataOption) : QString(), programFolder, UserDataFolder());
    const QString& dataPath = folder.path;
    if (const QString problem = usageProblem(parser); !problem.isEmpty())
        return ended(usageError(err, problem));
    const ImportOptions importOptions{.correct = parser.isSet(CorrectOption),
                                      .dryRun = parser.isSet(DryRunOption),
                                      .rebuild = parser.isSet(RebuildOption)};
    if (parser.isSet(ImportOption))
        return ended(ImportCommand(folder, parser.value(ImportOption), importOptions, in, out, err),
                     dataPath);
    if (parser.isSet(UpdateOption) || parser.isSet(SetOption)) {
        // The settings are the program's own: the address, the deadline, the last download's validators.
        QtSettingsStore settings;
        if (parser.isSet(SetOption))
            return ended(SetCommand(parser.values(SetOption), settings, out, err));
        const UpdateArguments arguments{.from = parser.value(FromOption),
                                        .options = importOptions,
                                        .ifDue = parser.isSet(IfDueOption),
                                        .now = QDateTime::currentDateTimeUtc()};
        return ended(UpdateCommand(folder, arguments, settings, out, err), dataPath);
    }
    if (parser.isSet(CheckOption))
        return ended(parser.isSet(RepairOption) ? repairArchive(dataPath, out, err)
                                                : checkArchive(dataPath, out, err),
                     dataPath);
    if (parser.isSet(ListBackupsOption))
        return ended(listBackups(dataPath, out, err), dataPath);
    if (parser.isSet(RestoreOption))
        return ended(restoreArchive(dataPath, parser.value(RestoreOption), out, err), dataPath);
    if (parser.isSet(DeleteLastOption))
        return ended(DeleteLastCommand(dataPath, parser.isSet(DryRunOption), in, out, err), dataPath);
    if (parser.isSet(StatsOption) || parser.isSet(FindOption)) {
        const StatsArguments arguments{
            .wheel = parser.value(parser.isSet(StatsOption) ? StatsOption : WheelOption),
            .from = parser.value(FromOption),
            .to = parser.value(ToOption),
            .pairs = parser.isSet(PairsOption),
            .numbers = parser.value(FindOption)};
        const ArchiveLoader load = [&dataPath, &err] { return loadFor(dataPath, err); };
        return ended(parser.isSet(StatsOption) ? StatsCommand(arguments, load, out, err)
                                               : FindCommand(arguments, load, out, err),
                     dataPath);
    }
    const bool exporting = parser.isSet(ExportOption);
    if (!exporting && !parser.isSet(VerifyOption)) {
        const QStringList files = parser.positionalArguments();
        CommandLineResult window = ended(ExitStatus::Ok, dataPath);
        window.openWindow = true;
        window.archiveExpected = folder.archiveExpected;
        if (!files.isEmpty())
            window.fileToImport = QFileInfo(files.first()).absoluteFilePath();
        return window;
    }
    const std::optional<Archive> archive = loadFor(dataPath, err);
    if (!archive)
        return ended(ExitStatus::Failed, dataPath);
    const int status =
        exporting ? exportArchive(*archive, parser.value(ExportOption), parser.value(FormatOption), out, err)
                  : verifyFiles(*archive, parser.positionalArguments(), out, err);
    return ended(status, dataPath);
}
