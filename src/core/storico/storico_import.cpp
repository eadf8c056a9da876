#include "storico/storico_import.h"

#include "archive/archive.h"
#include "archive/archive_loader.h"
#include "archive/archive_writer.h"
#include "archive/data_file_layout.h"
#include "archive/draw_save.h"
#include "archive/edit_buffer.h"
#include "archive/file_store.h"
#include "archive/sub_archive.h"
#include "calendar/draw_date.h"
#include "storico/official_wheels.h"
#include "storico/storico_reader.h"
#include "text/storico_texts.h"

#include <QDate>
#include <unordered_map>
#include <unordered_set>

namespace {

QString dateText(const StoricoDraw& draw) {
    return FullDateText(draw.year, draw.month, draw.day);
}

QString dateText(PackedDate date) {
    return FullDateText(FullYear(date.yearCode), date.month, date.day);
}

QString numbersText(const std::array<qint16, 6>& numbers) {
    QStringList list;
    for (int p = 1; p <= NumbersPerWheel; ++p)
        list.append(QString::number(numbers[std::size_t(p)]));
    return list.join(u' ');
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
    std::vector<std::pair<int, EditBuffer>> corrections; // draw index, the draw as it will be
    std::vector<EditBuffer> appends;                     // in date order
};

class Importer {
public:
    Importer(FileStore& files, const ImportOptions& options) : files_(files), options_(options) {}

    ImportReport run(const QByteArray& fileBytes) {
        const StoricoFile file = ReadStoricoFile(fileBytes);
        if (!file.ok())
            return failed(file.problem);
        report_.read = int(file.draws.size());
        report_.skippedBefore1947 = file.skippedBefore1947;
        if (!file.draws.empty()) {
            report_.firstDate = dateText(file.draws.front());
            report_.lastDate = dateText(file.draws.back());
        }
        const FileRead dates = files_.read(DataFileName::SmDates, 0);
        if (dates.error)
            return failed({.kind = ImportProblem::ArchiveError, .number = dates.error});
        report_.newArchive = !dates.exists;
        return report_.newArchive ? intoNewArchive(file) : intoArchive(file);
    }

private:
    ImportReport failed(const ImportProblem& problem) {
        report_.status = ImportReport::Failed;
        report_.problem = problem;
        return report_;
    }

    // The national wheel is kept from its first draw on; the lines of earlier draws are counted,
    // and a later draw without them is listed.
    void noteNationalWheel(const StoricoDraw& draw, int index) {
        if (index < FirstNationalDraw && draw.hasNationalWheel())
            ++report_.nationalIgnored;
        if (index >= FirstNationalDraw && !draw.hasNationalWheel())
            report_.details.append(StoricoText::withoutNationalWheel(dateText(draw), index));
    }

    ImportReport intoNewArchive(const StoricoFile& file) {
        if (report_.read > MaxDrawCount)
            return failed({.kind = ImportProblem::TooManyDraws, .number = report_.read});
        Archive archive(report_.read);
        for (int d = 1; d <= archive.DrawCount(); ++d) {
            const StoricoDraw& draw = file.draws[std::size_t(d - 1)];
            noteNationalWheel(draw, d);
            archive.setDrawDate(d, PackDate(draw.year, draw.month, draw.day));
            archive.setDrawWeekday(d, qint16(draw.weekday));
            WheelNumbers numbers = draw.numbers;
            if (d < FirstNationalDraw)
                numbers[std::size_t(NationalWheel)] = {};
            archive.setDrawWheels(d, numbers);
        }
        archive.LastWeeklyDraw = qint16(LastWeeklyDrawOf(archive));
        report_.added = report_.read;
        report_.status = ImportReport::Agrees;
        if (options_.dryRun || report_.read == 0)
            return report_;
        if (const ImportProblem changed = changedOnDisk(0))
            return failed(changed);
        if (const int error = WriteWholeArchive(files_, archive))
            return failed({.kind = ImportProblem::ArchiveError, .number = error});
        return report_;
    }

    ImportReport intoArchive(const StoricoFile& file) {
        Archive archive;
        if (const int error = LoadArchive(files_, archive))
            return failed({.kind = ImportProblem::ArchiveError, .number = error});
        const Plan plan = planFor(archive, file);
        if (archive.DrawCount() + int(plan.appends.size()) > MaxDrawCount)
            return failed({.kind = ImportProblem::TooManyDraws,
                           .number = archive.DrawCount() + int(plan.appends.size())});
        const bool uncorrected = report_.differing > 0 && !options_.correct;
        report_.status = report_.gaps > 0 || uncorrected ? ImportReport::Disagrees : ImportReport::Agrees;
        if (report_.status == ImportReport::Disagrees)
            return report_;
        report_.added = int(plan.appends.size());
        report_.corrected = int(plan.corrections.size());
        if (options_.dryRun || (plan.appends.empty() && plan.corrections.empty()))
            return report_;
        if (const ImportProblem changed = changedOnDisk(archive.DrawCount()))
            return failed(changed);
        if (const int error = write(archive, plan))
            return failed({.kind = ImportProblem::ArchiveError, .number = error});
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
                report_.details.append(StoricoText::missingFromArchive(dateText(draw)));
            }
        }
        listDrawsTheFileLacks(archive, file, fileDates);
        return plan;
    }

    void compare(const Archive& archive, int d, const StoricoDraw& draw, Plan& plan) {
        noteNationalWheel(draw, d);
        const WheelNumbers stored = archive.drawWheels(d);
        bool same = true;
        for (int w = 1; w <= WheelCountOfDraw(d); ++w) {
            if (!draw.wheels[std::size_t(w)] || stored[std::size_t(w)] == draw.numbers[std::size_t(w)])
                continue;
            same = false;
            report_.details.append(StoricoText::differs(dateText(draw), d, OfficialWheelCode(w),
                                                        numbersText(stored[std::size_t(w)]),
                                                        numbersText(draw.numbers[std::size_t(w)])));
        }
        if (same) {
            ++report_.verified;
            return;
        }
        ++report_.differing;
        EditBuffer edit = editOf(draw);
        if (!draw.hasNationalWheel())
            edit.EditNumbers[std::size_t(NationalWheel)] = stored[std::size_t(NationalWheel)];
        const qint16 weekday = archive.DrawWeekday(d);
        if (weekday >= 1 && weekday <= 7)
            edit.CurrentWeekday = weekday;
        plan.corrections.emplace_back(d, edit);
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
            report_.details.append(StoricoText::missingFromFile(dateText(archive.DrawDate(d)), d));
        }
    }

    // Every draw is saved as the commit saves it, into the files held in memory; then each file
    // that changed is written once, the full archive first.
    int write(const Archive& archive, const Plan& plan) {
        ArchiveSets sets;
        if (const int error = ReadArchiveSets(files_, sets))
            return error;
        const ArchiveSets before = sets;
        const int lastWeekly = archive.LastWeeklyDraw;
        for (const auto& [d, edit] : plan.corrections)
            if (const int error = SaveDrawInSets(sets, d, false, edit, lastWeekly, archive.DrawCount()))
                return error;
        int count = archive.DrawCount();
        for (const EditBuffer& edit : plan.appends) {
            if (const int error = SaveDrawInSets(sets, count + 1, true, edit, lastWeekly, count))
                return error;
            ++count;
        }
        return WriteArchiveSets(files_, before, sets);
    }

    // Anything else may have changed the archive since it was read: then nothing is written.
    ImportProblem changedOnDisk(int loaded) {
        int onDisk = 0;
        if (const int error = ReadDiskDrawCount(files_, onDisk))
            return {.kind = ImportProblem::ArchiveError, .number = error};
        if (onDisk == loaded)
            return {};
        return {.kind = ImportProblem::ChangedMeanwhile};
    }

    FileStore& files_;
    ImportOptions options_;
    ImportReport report_;
};

} // namespace

QString ImportReport::summary() const {
    return StoricoText::summary(read, firstDate, lastDate, skippedBefore1947, verified, differing, added,
                                corrected);
}

QString ImportReport::text() const {
    QString text = summary() + u'\n';
    if (nationalIgnored > 0)
        text += StoricoText::nationalIgnored(nationalIgnored, FirstNationalDraw) + u'\n';
    for (const QString& line : details)
        text += line + u'\n';
    return text;
}

ImportReport ImportStorico(FileStore& files, const QByteArray& fileBytes, const ImportOptions& options) {
    return Importer(files, options).run(fileBytes);
}
