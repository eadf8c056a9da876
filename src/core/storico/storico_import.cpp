// SPDX-License-Identifier: GPL-3.0-or-later
#include "storico/storico_import.h"

#include "archive/archive.h"
#include "archive/archive_update.h"
#include "archive/constant_tables.h"
#include "archive/edit_buffer.h"
#include "archive/file_store.h"
#include "archive/sub_archive.h"
#include "storico/storico_reader.h"
#include "storico/storico_zip.h"

#include <QDate>
#include <algorithm>
#include <optional>
#include <unordered_map>
#include <unordered_set>

namespace {

PackedDate packed(const StoricoDraw& draw) {
    return PackDate(draw.year, draw.month, draw.day);
}

PackedDate dateOf(const EditBuffer& edit) {
    return {quint8(edit.EditDate[1]), quint8(edit.EditDate[2]), quint8(edit.EditDate[3])};
}

EditBuffer editOf(const StoricoDraw& draw) {
    EditBuffer edit;
    edit.EditDate = {0, qint16(draw.day), qint16(draw.month), qint16(YearCode(draw.year))};
    edit.CurrentWeekday = qint16(draw.weekday);
    edit.EditNumbers = draw.numbers;
    return edit;
}

// What the import does to an existing archive, worked out before anything is written.
struct Plan {
    using Rewrites = std::vector<std::pair<int, EditBuffer>>; // draw index, the draw as it will be
    Rewrites corrections;            // stored numbers or weekdays that differ from the file
    Rewrites completions;            // stored zeros the file fills in
    std::vector<EditBuffer> appends; // in date order

    // What is written: the completions always, the corrections when asked for, in draw order.
    Rewrites rewrites(bool correct) const {
        Rewrites all = completions;
        if (correct) {
            all.insert(all.end(), corrections.begin(), corrections.end());
            std::sort(all.begin(), all.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        }
        return all;
    }
};

class Importer {
public:
    Importer(FileStore& files, const ImportOptions& options) : files_(files), options_(options) {}

    // The file as published is a zip holding the text; the text alone is read as well.
    ImportReport run(const QByteArray& fileBytes) {
        if (!LooksLikeZip(fileBytes))
            return runOnText(fileBytes);
        const ZippedText unzipped = UnzipStoricoText(fileBytes);
        return unzipped.problem ? failed(unzipped.problem) : runOnText(unzipped.text);
    }

private:
    ImportReport runOnText(const QByteArray& fileBytes) {
        const QDate today = options_.today.isValid() ? options_.today : QDate::currentDate();
        const StoricoFile file = ReadStoricoFile(fileBytes, today.addDays(1));
        if (!file.ok())
            return failed(file.problem);
        report_.read = int(file.draws.size());
        report_.dryRun = options_.dryRun;
        report_.skippedBefore1947 = file.skippedBefore1947;
        if (!file.draws.empty()) {
            report_.firstDate = packed(file.draws.front());
            report_.lastDate = packed(file.draws.back());
        }
        report_.wholeHistory =
            !file.draws.empty() && file.draws.front().dateKey() == DrawDateKey(FirstArchiveDraw);
        // An empty file, or one of earlier draws only, is no archive: a failed download must not
        // look like an archive that is up to date.
        if (report_.read == 0)
            return failed({.kind = ImportProblem::NoDraws});
        // The lock is held from the reading of the archive to the last write.
        ArchiveUpdate update(files_);
        if (Failure error = update.open(!options_.dryRun))
            return failed({.kind = ImportProblem::ArchiveError, .archiveError = error});
        report_.newArchive = !update.exists();
        // Nothing is added to a damaged archive; only a rebuild writes it whole again.
        if (update.damaged() && !options_.rebuild)
            return failed({.kind = ImportProblem::ArchiveError, .archiveError = FileError::ArchiveDamaged});
        return options_.rebuild || report_.newArchive ? wholeArchive(file, update)
                                                      : intoArchive(file, update);
    }

    ImportReport failed(const ImportProblem& problem) {
        report_.status = ImportReport::Failed;
        report_.problem = problem;
        return report_;
    }

    // The national wheel is kept from its first draw on; the lines of earlier draws are counted. A
    // later draw without them is incomplete, like one short of a city wheel: the file is refused.
    void noteNationalWheel(const StoricoDraw& draw, int index) {
        if (index < FirstNationalDraw && draw.hasNationalWheel())
            ++report_.nationalIgnored;
        if (index >= FirstNationalDraw && !draw.hasNationalWheel() && !incomplete_)
            incomplete_ = {.kind = ImportProblem::MissingNationalWheel,
                           .line = draw.firstLine,
                           .number = index,
                           .date = draw.date()};
    }

    // The whole file as an archive of its own.
    std::optional<Archive> archiveOf(const StoricoFile& file) {
        if (report_.read > MaxDrawCount) {
            failed({.kind = ImportProblem::TooManyDraws, .number = report_.read});
            return std::nullopt;
        }
        Archive archive(report_.read);
        for (int d = 1; d <= archive.DrawCount(); ++d) {
            const StoricoDraw& draw = file.draws[std::size_t(d - 1)];
            noteNationalWheel(draw, d);
            archive.setDrawDate(d, packed(draw));
            archive.setDrawWeekday(d, qint16(draw.weekday));
            WheelNumbers numbers = draw.numbers;
            if (d < FirstNationalDraw)
                numbers[std::size_t(NationalWheel)] = {};
            archive.setDrawWheels(d, numbers);
        }
        archive.LastWeeklyDraw = qint16(LastWeeklyDrawOf(archive));
        return archive;
    }

    // The whole file written as the archive: into a folder without one, or as a rebuild (after a
    // backup), the way out of gaps and repeated dates. Either needs the whole history: the national
    // wheel is kept by draw index, so a shorter file would give an archive the whole history could
    // never complete.
    ImportReport wholeArchive(const StoricoFile& file, ArchiveUpdate& update) {
        if (!report_.wholeHistory)
            return failed(options_.rebuild ? ImportProblem{.kind = ImportProblem::RebuildNeedsWholeHistory}
                                           : ImportProblem{.kind = ImportProblem::NewArchiveNeedsWholeHistory,
                                                           .date = file.draws.front().date()});
        const std::optional<Archive> archive = archiveOf(file);
        if (!archive)
            return report_;
        if (incomplete_)
            return failed(incomplete_);
        countRebuild(update, *archive);
        report_.status = ImportReport::Agrees;
        if (options_.dryRun)
            return report_;
        return written(update.write({.whole = archive}));
    }

    // What a rebuild changes in the archive there was; into a new or unreadable one every draw is added.
    void countRebuild(const ArchiveUpdate& update, const Archive& archive) {
        const bool stored = update.exists() && !update.loadError();
        const Archive& before = update.archive();
        const int common = stored ? std::min<int>(before.DrawCount(), archive.DrawCount()) : 0;
        report_.rebuilt = update.snapshot().anyFile();
        for (int d = 1; d <= common; ++d)
            if (before.DrawDate(d) == archive.DrawDate(d) &&
                before.DrawWeekday(d) == archive.DrawWeekday(d) &&
                before.drawWheels(d) == archive.drawWheels(d))
                ++report_.unchanged;
        report_.corrected = common - report_.unchanged;
        report_.added = archive.DrawCount() - common;
        report_.removed = stored ? std::max(before.DrawCount() - archive.DrawCount(), 0) : 0;
    }

    ImportReport intoArchive(const StoricoFile& file, ArchiveUpdate& update) {
        if (update.loadError())
            return failed({.kind = ImportProblem::ArchiveError, .archiveError = update.loadError()});
        const Archive& archive = update.archive();
        listDatesOutOfOrder(archive);
        const Plan plan = planFor(archive, file);
        noteNewDraws(plan.appends, archive);
        if (archive.DrawCount() + int(plan.appends.size()) > MaxDrawCount)
            return failed({.kind = ImportProblem::TooManyDraws,
                           .number = archive.DrawCount() + int(plan.appends.size())});
        if (incomplete_)
            return failed(incomplete_);
        const bool uncorrected = report_.differing > 0 && !options_.correct;
        report_.status = report_.gaps > 0 || uncorrected ? ImportReport::Disagrees : ImportReport::Agrees;
        if (report_.gaps > 0 || (uncorrected && !options_.addDespiteDifferences))
            return report_;
        report_.added = int(plan.appends.size());
        report_.corrected = options_.correct ? int(plan.corrections.size()) : 0;
        report_.differencesKept = uncorrected;
        if (options_.dryRun)
            return report_;
        // Even with nothing to add, sub-archives left behind by an interrupted write are rebuilt.
        return written(
            update.write({.corrections = plan.rewrites(options_.correct), .appends = plan.appends}));
    }

    // The draws the file adds, counted whatever stops them; and a file that ends before the archive.
    void noteNewDraws(const std::vector<EditBuffer>& appends, const Archive& archive) {
        report_.newDraws = int(appends.size());
        if (!appends.empty()) {
            report_.firstNew = dateOf(appends.front());
            report_.lastNew = dateOf(appends.back());
        }
        const int last = archive.DrawCount();
        if (last > 0 && DrawDateKey(report_.lastDate) < DrawDateKey(archive.DrawDate(last)))
            report_.archiveLast = archive.DrawDate(last);
    }

    ImportReport written(const ArchiveUpdateResult& result) {
        if (result.error)
            return failed(
                {.kind = ImportProblem::ArchiveError, .field = result.file, .archiveError = result.error});
        report_.subArchivesRebuilt = result.subArchivesRebuilt;
        report_.backup = result.backup;
        return report_;
    }

    Plan planFor(const Archive& archive, const StoricoFile& file) {
        std::unordered_map<int, int> indexOfDate;
        indexOfDate.reserve(std::size_t(archive.DrawCount()));
        for (int d = 1; d <= archive.DrawCount(); ++d)
            indexOfDate.try_emplace(DrawDateKey(archive.DrawDate(d)), d);
        const int lastKey = archive.DrawCount() > 0 ? DrawDateKey(archive.DrawDate(archive.DrawCount())) : 0;
        Plan plan;
        std::unordered_set<int> fileDates;
        fileDates.reserve(file.draws.size());
        for (const StoricoDraw& draw : file.draws) {
            fileDates.insert(draw.dateKey());
            const auto found = indexOfDate.find(draw.dateKey());
            if (found != indexOfDate.end()) {
                compare(archive, found->second, draw, plan);
            } else if (draw.dateKey() > lastKey) {
                const int index = archive.DrawCount() + int(plan.appends.size()) + 1;
                noteNationalWheel(draw, index);
                plan.appends.push_back(editOf(draw));
            } else {
                ++report_.gaps;
                report_.details.push_back({.kind = ImportDetail::MissingFromArchive, .date = packed(draw)});
            }
        }
        listDrawsTheFileLacks(archive, file, fileDates);
        return plan;
    }

    // A date the archive holds twice, or out of order, cannot be matched: it is a gap, which the
    // rebuild mends.
    void listDatesOutOfOrder(const Archive& archive) {
        for (int d = 2; d <= archive.DrawCount(); ++d)
            if (DrawDateKey(archive.DrawDate(d)) <= DrawDateKey(archive.DrawDate(d - 1))) {
                ++report_.gaps;
                report_.details.push_back(
                    {.kind = ImportDetail::DateOutOfOrder, .date = archive.DrawDate(d), .draw = d});
            }
    }

    // A draw of the file against the stored one. A zero on either side is a number not yet known:
    // the file's numbers fill the stored zeros (a completion, written without --correct: nothing
    // stored is lost), and a zero of the file never replaces a stored number. Any other difference,
    // the weekday's too, is corrected only when asked.
    void compare(const Archive& archive, int d, const StoricoDraw& draw, Plan& plan) {
        noteNationalWheel(draw, d);
        const WheelNumbers stored = archive.drawWheels(d);
        EditBuffer edit = editOf(draw);
        bool differs = false;
        for (int w = 1; w <= AllWheels; ++w) {
            auto& merged = edit.EditNumbers[std::size_t(w)];
            const auto& kept = stored[std::size_t(w)];
            if (!draw.wheels[std::size_t(w)] || w > WheelCountOfDraw(d)) {
                merged = kept;
                continue;
            }
            for (int p = 1; p <= NumbersPerWheel; ++p)
                if (merged[std::size_t(p)] == 0)
                    merged[std::size_t(p)] = kept[std::size_t(p)];
            if (fills(kept, merged))
                continue;
            differs = true;
            report_.details.push_back({.kind = ImportDetail::NumbersDiffer,
                                       .date = packed(draw),
                                       .draw = d,
                                       .wheel = w,
                                       .archived = kept,
                                       .inFile = merged});
        }
        if (archive.DrawWeekday(d) != draw.weekday) {
            differs = true;
            report_.details.push_back({.kind = ImportDetail::WeekdayDiffers,
                                       .date = packed(draw),
                                       .draw = d,
                                       .archivedWeekday = archive.DrawWeekday(d),
                                       .fileWeekday = draw.weekday});
        }
        if (differs)
            ++report_.differing;
        else if (edit.EditNumbers != stored)
            ++report_.completed;
        else
            ++report_.verified;
        if (differs)
            plan.corrections.emplace_back(d, edit);
        else if (edit.EditNumbers != stored)
            plan.completions.emplace_back(d, edit);
    }

    // Whether `merged` only puts numbers where `kept` has zeros.
    static bool fills(const std::array<qint16, 6>& kept, const std::array<qint16, 6>& merged) {
        for (int p = 1; p <= NumbersPerWheel; ++p)
            if (kept[std::size_t(p)] != 0 && kept[std::size_t(p)] != merged[std::size_t(p)])
                return false;
        return true;
    }

    void listDrawsTheFileLacks(const Archive& archive, const StoricoFile& file,
                               const std::unordered_set<int>& fileDates) {
        if (file.draws.empty())
            return;
        const int first = file.draws.front().dateKey(), last = file.draws.back().dateKey();
        for (int d = 1; d <= archive.DrawCount(); ++d) {
            const int key = DrawDateKey(archive.DrawDate(d));
            if (key < first || key > last || fileDates.count(key) != 0)
                continue;
            ++report_.gaps;
            report_.details.push_back(
                {.kind = ImportDetail::MissingFromFile, .date = archive.DrawDate(d), .draw = d});
        }
    }

    FileStore& files_;
    ImportOptions options_;
    ImportReport report_;
    ImportProblem incomplete_; // the first draw from the national wheel's first on without it
};

} // namespace

ImportReport ImportStorico(FileStore& files, const QByteArray& fileBytes, const ImportOptions& options) {
    return Importer(files, options).run(fileBytes);
}
