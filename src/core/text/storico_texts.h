#pragma once

#include <QString>

// The texts of the official results file's reading and import, in Italian. Dates come as the
// caller writes them (the reader yyyy/mm/dd, the import dd-mm-yyyy).
namespace StoricoText {

// A file error: "riga N: " and what is wrong there.
QString atLine(int line, const QString& problem);
QString notAWheelLine();
QString unknownWheelCode(const QString& code);
QString wheelTwiceOnDate(const QString& wheelCode, const QString& date);
QString notANumber(const QString& wheelCode, const QString& field);
QString numberTwiceOnWheel(int number, const QString& wheelCode);
QString afterLastYear(const QString& date, int lastYear);
QString missingWheels(const QString& date, int wheels, int of);

// The import's detail lines.
QString withoutNationalWheel(const QString& date, int draw);
QString missingFromArchive(const QString& date);
QString missingFromFile(const QString& date, int draw);
QString differs(const QString& date, int draw, const QString& wheelCode, const QString& archived,
                const QString& inFile);
QString nationalIgnored(int lines, int firstNationalDraw);

// Why the import wrote nothing.
QString changedDuringImport();
QString tooManyDraws(int draws, int maxDraws);

// The summary line. `range` is empty when no draw was read.
QString summary(int read, const QString& firstDate, const QString& lastDate, int skipped, int verified,
                int differing, int added, int corrected);

} // namespace StoricoText
