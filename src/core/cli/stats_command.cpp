// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/stats_command.h"

#include "archive/archive.h"
#include "cli/cli_output.h"
#include "cli/command_line.h"
#include "stats/stats_csv.h"
#include "storico/official_wheels.h"

#include <QIODevice>
#include <QRegularExpression>
#include <QSet>

namespace {

// What a command works on, once its arguments are read.
struct Query {
    int wheel = AnyWheel;
    QDate from{}, to{};
    std::vector<int> numbers{};
};

// A wheel code in any case (RM or RO for Roma, RN for the national wheel), TT for all wheels.
std::optional<int> wheelOf(const QString& code) {
    const QByteArray upper = code.trimmed().toUpper().toLatin1();
    if (upper == "TT")
        return AnyWheel;
    const int wheel = upper.size() == 2 ? OfficialWheelOf(upper[0], upper[1]) : 0;
    return wheel != 0 ? std::optional<int>(wheel) : std::nullopt;
}

// yyyy-mm-dd or dd-mm-yyyy, a real calendar day.
QDate dateOf(const QString& text) {
    static const QRegularExpression iso(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    static const QRegularExpression italian(QStringLiteral("^\\d{2}-\\d{2}-\\d{4}$"));
    const QString trimmed = text.trimmed();
    if (iso.match(trimmed).hasMatch())
        return QDate::fromString(trimmed, QStringLiteral("yyyy-MM-dd"));
    if (italian.match(trimmed).hasMatch())
        return QDate::fromString(trimmed, QStringLiteral("dd-MM-yyyy"));
    return {};
}

// 1 to 5 different numbers 1..90, separated by commas.
std::optional<std::vector<int>> numbersOf(const QString& text, QString& problem) {
    std::vector<int> numbers;
    for (const QString& part : text.split(u',')) {
        bool ok = false;
        const int n = part.trimmed().toInt(&ok);
        if (!ok || n < 1 || n > HighestNumber) {
            problem = QStringLiteral("\"%1\" non \u00e8 un numero da 1 a 90.").arg(part.trimmed());
            return std::nullopt;
        }
        numbers.push_back(n);
    }
    if (numbers.size() > std::size_t(NumbersPerWheel) ||
        QSet<int>(numbers.begin(), numbers.end()).size() != qsizetype(numbers.size())) {
        problem = QStringLiteral("si cercano da 1 a 5 numeri diversi, separati da virgole.");
        return std::nullopt;
    }
    return numbers;
}

QString wheelProblem(const QString& code) {
    return QStringLiteral("ruota sconosciuta \"%1\": si usano BA, CA, FI, GE, MI, NA, PA, RM (o RO), TO, VE, "
                          "RN o TT per tutte.")
        .arg(code);
}

// The query the arguments ask for; a problem in the program's words otherwise.
std::optional<Query> queryOf(const StatsArguments& arguments, bool finding, QString& problem) {
    Query query;
    if (!finding || !arguments.wheel.isEmpty()) {
        const std::optional<int> wheel = wheelOf(arguments.wheel);
        if (!wheel) {
            problem = wheelProblem(arguments.wheel);
            return std::nullopt;
        }
        query.wheel = *wheel;
    }
    if (arguments.pairs && query.wheel == AnyWheel) {
        problem = QStringLiteral("gli ambi si contano su una ruota, non su TT.");
        return std::nullopt;
    }
    for (const auto& [text, date] :
         {std::pair{arguments.from, &query.from}, std::pair{arguments.to, &query.to}}) {
        if (text.isEmpty())
            continue;
        *date = dateOf(text);
        if (!date->isValid()) {
            problem = QStringLiteral("\"%1\" non \u00e8 una data (AAAA-MM-GG o GG-MM-AAAA).").arg(text);
            return std::nullopt;
        }
    }
    if (finding) {
        const auto numbers = numbersOf(arguments.numbers, problem);
        if (!numbers)
            return std::nullopt;
        query.numbers = *numbers;
    }
    return query;
}

int failed(QIODevice& err, const QString& problem) {
    WriteText(err, QStringLiteral("vorel: ") + problem + u'\n');
    return ExitStatus::Failed;
}

// What a command runs on: the archive, the query and its period; or the status that ends it.
struct Prepared {
    int status = ExitStatus::Ok;
    std::optional<Archive> archive{};
    Query query{};
    DrawPeriod period{};
};

Prepared prepare(const StatsArguments& arguments, bool finding, const ArchiveLoader& load, QIODevice& err) {
    Prepared prepared;
    QString problem;
    const std::optional<Query> query = queryOf(arguments, finding, problem);
    if (!query)
        return {.status = failed(err, problem)};
    prepared.query = *query;
    prepared.archive = load();
    if (!prepared.archive)
        return {.status = ExitStatus::Failed};
    prepared.period = PeriodOf(*prepared.archive, query->wheel, query->from, query->to);
    if (prepared.period.empty())
        return {.status = failed(err, QStringLiteral("nessuna estrazione nel periodo."))};
    return prepared;
}

} // namespace

int StatsCommand(const StatsArguments& arguments, const ArchiveLoader& load, QIODevice& out, QIODevice& err) {
    const Prepared p = prepare(arguments, false, load, err);
    if (p.status != ExitStatus::Ok)
        return p.status;
    const Archive& archive = *p.archive;
    out.write(arguments.pairs ? PairFiguresCsv(archive, PairFigures(archive, p.query.wheel, p.period))
                              : NumberFiguresCsv(archive, NumberFigures(archive, p.query.wheel, p.period)));
    return ExitStatus::Ok;
}

int FindCommand(const StatsArguments& arguments, const ArchiveLoader& load, QIODevice& out, QIODevice& err) {
    const Prepared p = prepare(arguments, true, load, err);
    if (p.status != ExitStatus::Ok)
        return p.status;
    const std::vector<DrawMatch> matches = FindDraws(*p.archive, p.query.numbers, p.query.wheel, p.period);
    out.write(MatchesCsv(*p.archive, matches));
    return matches.empty() ? ExitStatus::Mismatch : ExitStatus::Ok;
}
