#include "cli/command_line.h"

#include "archive/archive.h"
#include "archive/archive_loader.h"
#include "archive/file_store.h"
#include "cli/csv_export.h"
#include "cli/data_folder.h"
#include "cli/verify_report.h"
#include "paste/paste_analysis.h"
#include "program_info.h"
#include "storico/storico_import.h"
#include "storico/storico_writer.h"
#include "text/error_text.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

namespace {

const QCommandLineOption HelpOption({QStringLiteral("h"), QStringLiteral("help")},
                                    QStringLiteral("Show this help."));
const QCommandLineOption VersionOption({QStringLiteral("v"), QStringLiteral("version")},
                                       QStringLiteral("Show the program's version."));
const QCommandLineOption
    DataOption(QStringLiteral("data"),
               QStringLiteral("The folder of the archive (default: the program's folder when it holds one, "
                              "else the per-user data folder)."),
               QStringLiteral("DIR"));
const QCommandLineOption ExportOption(QStringLiteral("export"),
                                      QStringLiteral("Write the archive to FILE (- for standard output)."),
                                      QStringLiteral("FILE"));
const QCommandLineOption FormatOption(QStringLiteral("format"),
                                      QStringLiteral("Export format: csv (the default) or storico."),
                                      QStringLiteral("csv|storico"), QStringLiteral("csv"));
const QCommandLineOption
    VerifyOption(QStringLiteral("verify"),
                 QStringLiteral("Check each FILE, a published draw text, against the archive."));
const QCommandLineOption ImportOption(QStringLiteral("import"),
                                      QStringLiteral("Bring the archive in line with FILE, the official "
                                                     "results archive (- for standard input)."),
                                      QStringLiteral("FILE"));
const QCommandLineOption DryRunOption(QStringLiteral("dry-run"),
                                      QStringLiteral("With --import: report only, write nothing."));
const QCommandLineOption
    CorrectOption(QStringLiteral("correct"),
                  QStringLiteral("With --import: rewrite the draws whose numbers differ."));

void configure(QCommandLineParser& parser) {
    parser.setApplicationDescription(QStringLiteral("Vorel keeps the archive of the Italian Lotto draws."));
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    parser.addOptions({HelpOption, VersionOption, DataOption, ExportOption, FormatOption, VerifyOption,
                       ImportOption, DryRunOption, CorrectOption});
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("With --verify: the texts to check."),
                                 QStringLiteral("[FILE...]"));
}

void write(QIODevice& device, const QString& text) {
    device.write(text.toUtf8());
}

int usageError(QIODevice& err, const QString& problem) {
    write(err, QStringLiteral("vorel: ") + problem + u'\n' + UsageText());
    return ExitStatus::Failed;
}

// The archive for a command; a failed load is reported in the loader's own words.
bool loadFor(const QString& dataPath, Archive& archive, QIODevice& err) {
    if (const int error = LoadArchive(dataPath, archive)) {
        write(err, QStringLiteral("vorel: ") + ErrorMessageText(error) + QStringLiteral(" (") +
                       QDir::toNativeSeparators(dataPath) + QStringLiteral(")\n"));
        return false;
    }
    return true;
}

int exportArchive(const Archive& archive, const QString& file, const QString& format, QIODevice& out,
                  QIODevice& err) {
    const QByteArray bytes =
        format == QStringLiteral("storico") ? ExportStorico(archive) : ExportCsv(archive);
    if (file == QStringLiteral("-"))
        return out.write(bytes) == bytes.size() ? ExitStatus::Ok : ExitStatus::Failed;
    QSaveFile target(file);
    if (!target.open(QIODevice::WriteOnly) || target.write(bytes) != bytes.size() || !target.commit()) {
        write(err, QStringLiteral("vorel: cannot write %1: %2\n").arg(file, target.errorString()));
        return ExitStatus::Failed;
    }
    return ExitStatus::Ok;
}

// A text file as the paste window would receive it: UTF-8, or Latin-1 when it is not UTF-8.
bool readText(const QString& file, QString& text, QString& problem) {
    QFile input(file);
    if (!input.open(QIODevice::ReadOnly)) {
        problem = input.errorString();
        return false;
    }
    const QByteArray bytes = input.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8);
    text = utf8.decode(bytes);
    if (utf8.hasError())
        text = QString::fromLatin1(bytes);
    return true;
}

int verifyFiles(const Archive& archive, const QStringList& files, QIODevice& out, QIODevice& err) {
    int status = ExitStatus::Ok;
    for (const QString& file : files) {
        QString text, problem;
        if (!readText(file, text, problem)) {
            write(err, QStringLiteral("vorel: cannot read %1: %2\n").arg(file, problem));
            status = ExitStatus::Failed;
            continue;
        }
        const PasteAnalysis analysis = AnalysePastedText(text, archive);
        write(out, VerifyLine(file, analysis, archive) + u'\n');
        if (!VerifyPassed(analysis) && status == ExitStatus::Ok)
            status = ExitStatus::Mismatch;
    }
    return status;
}

int importFile(const DataFolder& folder, const QString& file, const ImportOptions& options, QIODevice& in,
               QIODevice& out, QIODevice& err) {
    QByteArray bytes;
    if (file == QStringLiteral("-")) {
        bytes = in.readAll();
    } else {
        QFile input(file);
        if (!input.open(QIODevice::ReadOnly)) {
            write(err, QStringLiteral("vorel: cannot read %1: %2\n").arg(file, input.errorString()));
            return ExitStatus::Failed;
        }
        bytes = input.readAll();
    }
    DiskFileStore files(folder.path, !folder.archiveExpected);
    const ImportReport report = ImportStorico(files, bytes, options);
    if (report.status == ImportReport::Failed) {
        write(err, QStringLiteral("vorel: %1: %2\n").arg(file, report.errorText()));
        return ExitStatus::Failed;
    }
    write(out, report.text());
    return report.status == ImportReport::Agrees ? ExitStatus::Ok : ExitStatus::Mismatch;
}

} // namespace

QString UsageText() {
    return QStringLiteral(
        "Usage: vorel [--data DIR]                      open the window\n"
        "       vorel [--data DIR] --export FILE [--format csv|storico]\n"
        "       vorel [--data DIR] --verify FILE...\n"
        "       vorel [--data DIR] --import FILE [--dry-run] [--correct]\n"
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
        "  --dry-run       with --import: report only, write nothing\n"
        "  --correct       with --import: rewrite the draws whose numbers differ\n");
}

CommandLineResult RunCommandLine(const QStringList& arguments, const QString& programFolder, QIODevice& in,
                                 QIODevice& out, QIODevice& err) {
    QCommandLineParser parser;
    configure(parser);
    if (!parser.parse(arguments))
        return {false, usageError(err, parser.errorText()), {}};
    if (parser.isSet(HelpOption)) {
        write(out, UsageText());
        return {false, ExitStatus::Ok, {}};
    }
    if (parser.isSet(VersionOption)) {
        write(out, QStringLiteral("vorel ") + ProgramVersion + u'\n');
        return {false, ExitStatus::Ok, {}};
    }
    const DataFolder folder = ChooseDataFolder(
        parser.isSet(DataOption) ? parser.value(DataOption) : QString(), programFolder, UserDataFolder());
    const QString& dataPath = folder.path;
    const bool exporting = parser.isSet(ExportOption), verifying = parser.isSet(VerifyOption),
               importing = parser.isSet(ImportOption);
    const QString format = parser.value(FormatOption);
    if (int(exporting) + int(verifying) + int(importing) > 1)
        return {
            false, usageError(err, QStringLiteral("--export, --verify and --import go one at a time.")), {}};
    if (!importing && (parser.isSet(DryRunOption) || parser.isSet(CorrectOption)))
        return {false, usageError(err, QStringLiteral("--dry-run and --correct go with --import.")), {}};
    if (format != QStringLiteral("csv") && format != QStringLiteral("storico"))
        return {false, usageError(err, QStringLiteral("Unknown format '%1'.").arg(format)), {}};
    if (verifying && parser.positionalArguments().isEmpty())
        return {false, usageError(err, QStringLiteral("--verify needs at least one FILE.")), {}};
    if (!verifying && !parser.positionalArguments().isEmpty())
        return {
            false,
            usageError(err,
                       QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first())),
            {}};
    if (importing)
        return {false,
                importFile(folder, parser.value(ImportOption),
                           {.correct = parser.isSet(CorrectOption), .dryRun = parser.isSet(DryRunOption)}, in,
                           out, err),
                dataPath};
    if (!exporting && !verifying) {
        if (parser.isSet(FormatOption))
            return {false, usageError(err, QStringLiteral("--format goes with --export.")), {}};
        return {true, ExitStatus::Ok, dataPath, folder.archiveExpected};
    }
    Archive archive;
    if (!loadFor(dataPath, archive, err))
        return {false, ExitStatus::Failed, dataPath};
    const int status = exporting ? exportArchive(archive, parser.value(ExportOption), format, out, err)
                                 : verifyFiles(archive, parser.positionalArguments(), out, err);
    return {false, status, dataPath};
}
