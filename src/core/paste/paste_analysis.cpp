// SPDX-License-Identifier: GPL-3.0-or-later
#include "paste/paste_analysis.h"

#include "archive/constant_tables.h"
#include "calendar/draw_date.h"
#include "paste/scanners.h"

namespace {

constexpr QChar LF = u'\n';
constexpr QChar CR = u'\r';
// Numbers equal in place that make another date's draw "similar".
constexpr int SimilarAbove = 25;

// Upper case character by character, so that positions stay those of the text. Plain ASCII,
// nearly all of a pasted text, takes the short way.
QString upperInPlace(QStringView text) {
    QString upper(text.size(), Qt::Uninitialized);
    QChar* out = upper.data();
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        *out++ = u < 0x80 ? QChar(u >= u'a' && u <= u'z' ? char16_t(u - 32) : u) : c.toUpper();
    }
    return upper;
}

// Leading and trailing blanks removed (blanks only: tabs separate numbers like any other sign).
QStringView trimBlanks(QStringView line) {
    while (!line.isEmpty() && line.front() == u' ')
        line = line.sliced(1);
    while (!line.isEmpty() && line.back() == u' ')
        line.chop(1);
    return line;
}

// The national wheel's name alone on its line is joined with the next line, which holds its
// numbers: the line break after the name's first occurrence goes when no digit stands between.
void joinNationalWheelLine(QString& text) {
    const QString upper = upperInPlace(text);
    qsizetype b = upper.indexOf(WheelName(NationalWheel));
    if (b < 0)
        b = upper.indexOf(WheelCode(NationalWheel));
    if (b < 0)
        return;
    const qsizetype a = text.indexOf(LF, b);
    if (a < 0)
        return;
    for (qsizetype p = b; p <= a; ++p)
        if (text[p] >= u'0' && text[p] <= u'9')
            return;
    text.remove(a, 1);
}

struct Reading {
    bool readable = false;
    bool dateFound = false;
    bool weekdayFound = false;
    int wheels = 0;
};

// Offers each line to the scanners until the date and all wheels are read; fills the edit
// buffer and the weekday of `result`.
Reading readLines(const QString& text, PasteAnalysis& result) {
    Reading reading;
    ImportNumbersArray numbers{};
    qsizetype i = 0;
    for (;;) {
        const qsizetype e = text.indexOf(LF, i);
        if (e < 0)
            return reading;
        const QString u = upperInPlace(trimBlanks(QStringView(text).mid(i, e - 1 - i)));
        if (u.isEmpty()) {
            // nothing to read on an empty line
        } else if (NadjiDatum(u, numbers)) {
            if (reading.dateFound)
                return reading;
            for (int k = 1; k <= 3; ++k)
                result.EditDate[std::size_t(k)] = numbers[std::size_t(k)];
            reading.dateFound = true;
            if (reading.wheels == CityWheels)
                break;
        } else if (const int code = NadjiGiorno(u)) {
            result.namedWeekday = code;
            if (reading.weekdayFound)
                return reading;
            reading.weekdayFound = true;
        } else if (const int w = NadjiIzvlacenje(u, numbers)) {
            auto& wheel = result.EditNumbers[std::size_t(w)];
            if (reading.wheels == AllWheels || wheel[1] != 0)
                return reading;
            for (int p = 1; p <= NumbersPerWheel; ++p)
                wheel[std::size_t(p)] = numbers[std::size_t(p)];
            if (++reading.wheels == AllWheels && reading.dateFound)
                break;
        }
        i = e + 1;
        if (i + 1 >= text.size()) {
            if (reading.wheels < CityWheels || !reading.dateFound)
                return reading;
            break;
        }
    }
    reading.readable = true;
    return reading;
}

bool sameNumbers(const PasteAnalysis& result, const Archive& archive, int draw) {
    for (int w = 1; w <= WheelCountOfDraw(draw); ++w)
        for (int p = 1; p <= NumbersPerWheel; ++p)
            if (archive.DrawNumbers(w, draw, p) != result.EditNumbers[std::size_t(w)][std::size_t(p)])
                return false;
    return true;
}

int equalInPlace(const PasteAnalysis& result, const Archive& archive, int draw) {
    int equal = 0;
    for (int w = 1; w <= WheelCountOfDraw(draw); ++w)
        for (int p = 1; p <= NumbersPerWheel; ++p)
            equal += archive.DrawNumbers(w, draw, p) == result.EditNumbers[std::size_t(w)][std::size_t(p)];
    return equal;
}

void decide(PasteAnalysis& result, const Archive& archive) {
    const int r = NadjiEst(archive, result.EditDate);
    if (r < 0) {
        result.draw = -r;
        result.outcome =
            sameNumbers(result, archive, result.draw) ? PasteOutcome::Verified : PasteOutcome::Differs;
        return;
    }
    if (r > archive.DrawCount()) {
        result.outcome = PasteOutcome::NewDraw;
        return;
    }
    // The last draw before the date, then the first after it.
    for (int q = r - 1 < 1 ? r : r - 1;; q = r) {
        const int equal = equalInPlace(result, archive, q);
        if (equal == NumbersPerWheel * WheelCountOfDraw(q) || equal > SimilarAbove) {
            result.outcome = PasteOutcome::Similar;
            result.draw = q;
            result.onlyDateDiffers = equal == NumbersPerWheel * WheelCountOfDraw(q);
            return;
        }
        if (q == r)
            break;
    }
    result.outcome = PasteOutcome::NotFound;
}

} // namespace

std::optional<MessageRequest> PasteMessage(const PasteAnalysis& analysis, const Archive& archive) {
    const auto date = [&] { return FormatDrawDate(archive, analysis.draw); };
    switch (analysis.outcome) {
    case PasteOutcome::Unreadable:
        return Messages::pasteUnreadable();
    case PasteOutcome::Verified:
        return Messages::pasteVerified(date());
    case PasteOutcome::Differs:
        return Messages::pasteDiffers(date());
    case PasteOutcome::Similar:
        return analysis.onlyDateDiffers ? Messages::pasteSameNumbers(date())
                                        : Messages::pasteSimilarNumbers(date());
    case PasteOutcome::NotFound:
        return Messages::pasteNotFound();
    case PasteOutcome::NewDraw:
        break;
    }
    return std::nullopt;
}

bool PasteAnalysis::opensEntry() const {
    return outcome == PasteOutcome::NewDraw || outcome == PasteOutcome::Differs ||
           outcome == PasteOutcome::Similar;
}

// A text pasted into the window reaches the reader as the paste box gives it back: every line break
// (LF, CR LF, a lone CR, U+2028, U+2029) as one, a no-break space as a blank. A text read from a file
// goes through the same steps, so that it reads as it would when pasted.
QString NormalisedPasteText(const QString& text) {
    QString normal;
    normal.reserve(text.size() + text.size() / 16 + 2);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == CR.unicode() && i + 1 < text.size() && text[i + 1] == LF)
            continue;
        if (c == u'\n' || c == u'\r' || c == u'\u2028' || c == u'\u2029')
            normal += QStringLiteral("\r\n");
        else
            normal += c == u'\u00a0' ? QChar(u' ') : QChar(c);
    }
    if (!normal.isEmpty() && !normal.endsWith(LF))
        normal += QStringLiteral("\r\n");
    return normal;
}

PasteAnalysis AnalysePastedText(const QString& text, const Archive& archive) {
    PasteAnalysis result;
    result.text = NormalisedPasteText(text);
    joinNationalWheelLine(result.text);
    const Reading reading = readLines(result.text, result);
    if (!reading.readable) {
        result.outcome = PasteOutcome::Unreadable;
        return result;
    }
    result.newDrawWeekday = reading.weekdayFound
                                ? result.namedWeekday
                                : Day_From_Date(result.EditDate[1], result.EditDate[2], result.EditDate[3]);
    decide(result, archive);
    return result;
}
