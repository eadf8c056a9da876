// SPDX-License-Identifier: GPL-3.0-or-later
#include "storico/storico_reader.h"

#include "calendar/draw_date.h"
#include "storico/official_wheels.h"

#include <QDate>
#include <algorithm>
#include <cstring>
#include <unordered_map>

namespace {

char upper(char c) {
    return c >= 'a' && c <= 'z' ? char(c - 32) : c;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// The fields of a line, split at runs of blanks and tabs; at most `max` + 1 of them are kept.
int splitFields(const char* begin, const char* end,
                std::array<std::pair<const char*, const char*>, 8>& fields) {
    int count = 0;
    const char* p = begin;
    while (p < end && count < int(fields.size())) {
        while (p < end && isBlank(*p))
            ++p;
        if (p == end)
            break;
        const char* start = p;
        while (p < end && !isBlank(*p))
            ++p;
        fields[std::size_t(count++)] = {start, p};
    }
    return count;
}

// Digits only, at most four of them; -1 otherwise.
int numberOf(const char* begin, const char* end) {
    if (begin == end || end - begin > 4)
        return -1;
    int value = 0;
    for (const char* p = begin; p < end; ++p) {
        if (*p < '0' || *p > '9')
            return -1;
        value = value * 10 + (*p - '0');
    }
    return value;
}

// "YYYY/MM/DD" (month and day with one or two digits) of a real calendar day.
bool dateOf(const char* begin, const char* end, int& year, int& month, int& day) {
    const char* slash1 = std::find(begin, end, '/');
    const char* slash2 = slash1 == end ? end : std::find(slash1 + 1, end, '/');
    if (slash2 == end || slash1 - begin != 4 || slash2 - slash1 > 3 || end - slash2 > 3)
        return false;
    year = numberOf(begin, slash1);
    month = numberOf(slash1 + 1, slash2);
    day = numberOf(slash2 + 1, end);
    return year >= 0 && month >= 0 && day >= 0 && QDate::isValid(year, month, day);
}

struct Reader {
    QDate latest; // no date after it; none: any
    StoricoFile file;
    std::vector<StoricoDraw> dates; // every date met, in the order met
    std::unordered_map<int, std::size_t> placeOfDate;
    QByteArrayView lastToken;
    std::size_t lastPlace = 0;

    bool fail(const ImportProblem& problem) {
        file.problem = problem;
        return false;
    }
    bool fail(int line, ImportProblem::Kind kind) { return fail({.kind = kind, .line = line}); }

    bool readLine(const char* begin, const char* end, int line) {
        std::array<std::pair<const char*, const char*>, 8> fields;
        const int count = splitFields(begin, end, fields);
        if (count == 0)
            return true;
        if (count != 7)
            return notAWheelLine(line);
        StoricoDraw* draw = drawOfToken(fields[0].first, fields[0].second, line);
        if (!draw)
            return false;
        const auto [codeBegin, codeEnd] = fields[1];
        const int wheel =
            codeEnd - codeBegin == 2 ? OfficialWheelOf(upper(codeBegin[0]), upper(codeBegin[1])) : 0;
        if (wheel == 0)
            return fail(
                {.kind = ImportProblem::UnknownWheelCode,
                 .line = line,
                 .field = QString::fromUtf8(codeBegin, std::min<qsizetype>(codeEnd - codeBegin, 64))});
        const auto code = [wheel] { return OfficialWheelCode(wheel); };
        if (draw->wheels[std::size_t(wheel)])
            return fail({.kind = ImportProblem::WheelTwiceOnDate,
                         .line = line,
                         .wheelCode = code(),
                         .date = draw->date()});
        auto& numbers = draw->numbers[std::size_t(wheel)];
        for (int p = 1; p <= NumbersPerWheel; ++p) {
            const auto [numberBegin, numberEnd] = fields[std::size_t(p + 1)];
            // 0 is a number not yet known, as the program's own export writes it; the official
            // file has none.
            const int n = numberOf(numberBegin, numberEnd);
            if (n < 0 || n > 90)
                return fail({.kind = ImportProblem::NotANumber,
                             .line = line,
                             .wheelCode = code(),
                             .field = QString::fromUtf8(numberBegin,
                                                        std::min<qsizetype>(numberEnd - numberBegin, 64))});
            for (int q = 1; q < p && n != 0; ++q)
                if (numbers[std::size_t(q)] == n)
                    return fail({.kind = ImportProblem::NumberTwiceOnWheel,
                                 .line = line,
                                 .number = n,
                                 .wheelCode = code()});
            numbers[std::size_t(p)] = qint16(n);
        }
        draw->wheels[std::size_t(wheel)] = true;
        ++file.lines;
        return true;
    }

    bool notAWheelLine(int line) { return fail(line, ImportProblem::NotAWheelLine); }

    // The draw of a date field. The lines of one date mostly follow each other: the same text as
    // the line before reaches the same draw without reading the date again.
    StoricoDraw* drawOfToken(const char* begin, const char* end, int line) {
        const QByteArrayView token(begin, end - begin);
        if (!dates.empty() && token == lastToken)
            return &dates[lastPlace];
        int year = 0, month = 0, day = 0;
        if (!dateOf(begin, end, year, month, day)) {
            notAWheelLine(line);
            return nullptr;
        }
        if (year > LastArchiveYear) {
            fail({.kind = ImportProblem::AfterLastYear, .line = line, .date = QDate(year, month, day)});
            return nullptr;
        }
        if (latest.isValid() && QDate(year, month, day) > latest) {
            fail({.kind = ImportProblem::DateInFuture, .line = line, .date = QDate(year, month, day)});
            return nullptr;
        }
        const int key = DateKey(year, month, day);
        auto [it, added] = placeOfDate.try_emplace(key, dates.size());
        if (added) {
            StoricoDraw draw;
            draw.year = year;
            draw.month = month;
            draw.day = day;
            draw.firstLine = line;
            dates.push_back(draw);
        }
        lastToken = token;
        lastPlace = it->second;
        return &dates[lastPlace];
    }

    bool readAll(const QByteArray& bytes) {
        const char* p = bytes.constData();
        const char* end = p + bytes.size();
        if (bytes.startsWith("\xef\xbb\xbf"))
            p += 3;
        for (int line = 1; p < end; ++line) {
            const char* eol = static_cast<const char*>(std::memchr(p, '\n', std::size_t(end - p)));
            eol = eol ? eol : end;
            const char* last = eol > p && eol[-1] == '\r' ? eol - 1 : eol;
            if (!readLine(p, last, line))
                return false;
            p = eol == end ? end : eol + 1;
        }
        return true;
    }

    // Two adjacent dates that share no wheel, one of them short of the ten city wheels, are one
    // contest drawn over two days: it keeps the date of the part with more wheels (the earlier on
    // a tie). Any other date short of a city wheel is incomplete.
    bool joinTwoDateContests(std::vector<StoricoDraw>& draws) {
        std::vector<StoricoDraw> joined;
        joined.reserve(draws.size());
        for (std::size_t i = 0; i < draws.size(); ++i) {
            StoricoDraw draw = draws[i];
            if (i + 1 < draws.size() && isHalfContest(draw, draws[i + 1])) {
                const StoricoDraw& other = draws[++i];
                const bool keepFirst = draw.cityWheels() >= other.cityWheels();
                StoricoDraw whole = keepFirst ? draw : other;
                const StoricoDraw& part = keepFirst ? other : draw;
                for (int w = 1; w <= AllWheels; ++w)
                    if (part.wheels[std::size_t(w)]) {
                        whole.wheels[std::size_t(w)] = true;
                        whole.numbers[std::size_t(w)] = part.numbers[std::size_t(w)];
                    }
                whole.firstLine = std::min(draw.firstLine, other.firstLine);
                draw = whole;
            }
            if (draw.cityWheels() < CityWheels)
                return fail({.kind = ImportProblem::MissingWheels,
                             .line = draw.firstLine,
                             .number = draw.cityWheels(),
                             .date = draw.date()});
            joined.push_back(draw);
        }
        draws = std::move(joined);
        return true;
    }

    static bool isHalfContest(const StoricoDraw& a, const StoricoDraw& b) {
        if (a.cityWheels() >= CityWheels && b.cityWheels() >= CityWheels)
            return false;
        for (int w = 1; w <= AllWheels; ++w)
            if (a.wheels[std::size_t(w)] && b.wheels[std::size_t(w)])
                return false;
        return true;
    }
};

} // namespace

int StoricoDraw::cityWheels() const {
    return int(std::count(wheels.begin() + 1, wheels.begin() + 1 + CityWheels, true));
}

StoricoFile ReadStoricoFile(const QByteArray& bytes, QDate latest) {
    Reader reader;
    reader.latest = latest;
    if (!reader.readAll(bytes))
        return std::move(reader.file);
    std::vector<StoricoDraw> draws;
    draws.reserve(reader.dates.size());
    for (StoricoDraw& draw : reader.dates) {
        if (draw.year < FirstArchiveYear) {
            ++reader.file.skippedBefore1947;
            continue;
        }
        draw.weekday = QDate(draw.year, draw.month, draw.day).dayOfWeek();
        draws.push_back(draw);
    }
    std::sort(draws.begin(), draws.end(),
              [](const StoricoDraw& a, const StoricoDraw& b) { return a.dateKey() < b.dateKey(); });
    if (!reader.joinTwoDateContests(draws))
        return std::move(reader.file);
    reader.file.draws = std::move(draws);
    return std::move(reader.file);
}
