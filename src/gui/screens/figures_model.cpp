// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/figures_model.h"

#include "calendar/draw_date.h"

#include <QLocale>

namespace {

// Decimals as an Italian reader writes them.
QString decimal(double value, char format, int precision) {
    static const QLocale italian(QLocale::Italian);
    return italian.toString(value, format, precision);
}

} // namespace

FiguresModel::FiguresModel(bool pairs, QObject* parent) : QAbstractTableModel(parent), pairs_(pairs) {}

void FiguresModel::setFigures(const Archive& archive, const DrawPeriod& period,
                              std::vector<Figures> figures) {
    beginResetModel();
    figures_ = std::move(figures);
    lastDates_.assign(figures_.size(), QString());
    lastKeys_.assign(figures_.size(), 0);
    for (std::size_t i = 0; i < figures_.size(); ++i)
        if (figures_[i].lastDraw != 0) {
            const PackedDate date = archive.DrawDate(figures_[i].lastDraw);
            lastDates_[i] = FullDateText(FullYear(date.yearCode), date.month, date.day);
            lastKeys_[i] = DrawDateKey(date);
        }
    expected_ = pairs_ ? ExpectedPairDrawn(period) : ExpectedDrawn(period);
    wheelsPerDraw_ = period.empty() ? 1 : double(period.wheelDraws) / period.size();
    endResetModel();
}

QList<int> FiguresModel::numbersOf(int row) const {
    if (!pairs_)
        return {row + 1};
    const auto [a, b] = PairAt(row);
    return {a, b};
}

int FiguresModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(figures_.size());
}

int FiguresModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

double FiguresModel::chanceOf(int delay) const {
    return pairs_ ? PairDelayChance(delay) : DelayChance(delay, wheelsPerDraw_);
}

QVariant FiguresModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() ||
        (role != Qt::DisplayRole && role != Qt::UserRole && role != Qt::TextAlignmentRole))
        return {};
    if (role == Qt::TextAlignmentRole)
        return index.column() == LastDate ? int(Qt::AlignCenter) : int(Qt::AlignRight | Qt::AlignVCenter);
    const Figures& f = figures_[std::size_t(index.row())];
    const bool sorting = role == Qt::UserRole;
    switch (index.column()) {
    case Name: {
        const QList<int> numbers = numbersOf(index.row());
        if (sorting)
            return index.row();
        return numbers.size() == 1 ? QString::number(numbers[0])
                                   : QStringLiteral("%1-%2").arg(numbers[0]).arg(numbers[1]);
    }
    case Drawn:
        return f.drawn;
    case Expected:
        return sorting ? QVariant(expected_) : QVariant(decimal(expected_, 'f', 1));
    case Delay:
        return f.delay;
    case MaxDelay:
        return f.maxDelay;
    case LastDate:
        return sorting ? QVariant(lastKeys_[std::size_t(index.row())])
                       : QVariant(lastDates_[std::size_t(index.row())]);
    case Chance: {
        const double chance = chanceOf(f.delay);
        return sorting ? QVariant(chance) : QVariant(decimal(chance * 100, 'g', 3) + u'%');
    }
    }
    return {};
}

QVariant FiguresModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Name:
        return pairs_ ? QStringLiteral("Ambo") : QStringLiteral("Numero");
    case Drawn:
        return QStringLiteral("Uscite");
    case Expected:
        return QStringLiteral("Atteso");
    case Delay:
        return QStringLiteral("Ritardo");
    case MaxDelay:
        return QStringLiteral("Ritardo max");
    case LastDate:
        return QStringLiteral("Ultima uscita");
    case Chance:
        return QStringLiteral("Probabilit\u00e0");
    }
    return {};
}
