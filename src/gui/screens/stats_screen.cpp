// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/stats_screen.h"

#include "archive/file_store.h"
#include "screens/figures_model.h"
#include "stats/stats_csv.h"
#include "views/bar_chart.h"
#include "widgets/period_choice.h"
#include "widgets/placing.h"
#include "widgets/wheel_choice.h"

#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QSortFilterProxyModel>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace {

QTableView* tableOf(QWidget* parent, const QString& name, QSortFilterProxyModel* model) {
    auto* table = new QTableView(parent);
    table->setObjectName(name);
    table->setAccessibleName(name == u"NumbersTable" ? QStringLiteral("Numeri") : QStringLiteral("Ambi"));
    table->setModel(model);
    table->setSortingEnabled(true);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->sortByColumn(0, Qt::AscendingOrder);
    return table;
}

QSortFilterProxyModel* sortedBy(FiguresModel* model, QObject* parent) {
    auto* proxy = new QSortFilterProxyModel(parent);
    proxy->setSourceModel(model);
    proxy->setSortRole(Qt::UserRole);
    return proxy;
}

} // namespace

StatsScreen::StatsScreen(const Archive& archive, QWidget* parent)
    : QWidget(parent, Qt::Window), archive_(archive) {
    setObjectName(QStringLiteral("StatsScreen"));
    setWindowTitle(QStringLiteral("Statistiche"));
    chooseExportFile = [this] {
        return QFileDialog::getSaveFileName(this, QStringLiteral("Esporta CSV"), QString(),
                                            QStringLiteral("CSV (*.csv)"));
    };
    buildControls();
    period_->setArchive(archive_);
    recount();
}

void StatsScreen::buildControls() {
    wheel_ = new QComboBox(this);
    wheel_->setObjectName(QStringLiteral("Wheel"));
    wheel_->setAccessibleName(QStringLiteral("Ruota"));
    FillWheelChoice(wheel_, true);
    auto* wheelLabel = new QLabel(QStringLiteral("&Ruota:"), this);
    wheelLabel->setBuddy(wheel_);
    period_ = new PeriodChoice(this);
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("Summary"));
    numbers_ = new FiguresModel(false, this);
    pairs_ = new FiguresModel(true, this);
    sortedNumbers_ = sortedBy(numbers_, this);
    sortedPairs_ = sortedBy(pairs_, this);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("Tabs"));
    numbersTable_ = tableOf(tabs_, QStringLiteral("NumbersTable"), sortedNumbers_);
    pairsTable_ = tableOf(tabs_, QStringLiteral("PairsTable"), sortedPairs_);
    tabs_->addTab(numbersTable_, QStringLiteral("&Numeri"));
    tabs_->addTab(pairsTable_, QStringLiteral("&Ambi"));
    chartOf_ = new QComboBox(this);
    chartOf_->setObjectName(QStringLiteral("ChartOf"));
    chartOf_->setAccessibleName(QStringLiteral("Grafico"));
    chartOf_->addItems({QStringLiteral("Ritardo"), QStringLiteral("Uscite")});
    chart_ = new BarChart(this);
    chart_->setObjectName(QStringLiteral("Chart"));
    chart_->setAccessibleName(QStringLiteral("Grafico dei 90 numeri"));
    export_ = new QPushButton(QStringLiteral("&Esporta CSV\u2026"), this);
    export_->setObjectName(QStringLiteral("Export"));

    auto* top = new QHBoxLayout;
    top->addWidget(wheelLabel);
    top->addWidget(wheel_);
    top->addWidget(period_, 1);
    top->addWidget(export_);
    auto* side = new QVBoxLayout;
    side->addWidget(chartOf_);
    side->addWidget(chart_, 1);
    auto* middle = new QHBoxLayout;
    middle->addWidget(tabs_, 3);
    middle->addLayout(side, 1);
    auto* page = new QVBoxLayout(this);
    page->addLayout(top);
    page->addWidget(summary_);
    page->addLayout(middle, 1);
    FitOnScreen(this, {1120, 620});

    connect(wheel_, &QComboBox::currentIndexChanged, this, &StatsScreen::recount);
    connect(period_, &PeriodChoice::changed, this, &StatsScreen::recount);
    connect(chartOf_, &QComboBox::currentIndexChanged, this, &StatsScreen::showChart);
    connect(export_, &QPushButton::clicked, this, &StatsScreen::exportShown);
    connect(new QShortcut(QKeySequence(QStringLiteral("Ctrl+F")), this), &QShortcut::activated, this,
            &StatsScreen::searchChosen);
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
            &StatsScreen::helpRequested);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
}

void StatsScreen::refresh() {
    period_->setArchive(archive_);
    recount();
}

// The figures of the wheel and period chosen; the pairs only for one wheel.
void StatsScreen::recount() {
    const int wheel = ChosenWheel(wheel_);
    const DrawPeriod period = period_->periodOf(archive_, wheel);
    const auto figures = NumberFigures(archive_, wheel, period);
    numbers_->setFigures(archive_, period, std::vector<Figures>(figures.begin() + 1, figures.end()));
    tabs_->setTabEnabled(1, wheel != AnyWheel);
    pairs_->setFigures(archive_, period,
                       wheel != AnyWheel ? PairFigures(archive_, wheel, period) : std::vector<Figures>());
    summary_->setText(
        QStringLiteral("%1 estrazioni nel periodo. Ogni estrazione \u00e8 indipendente: un ritardo lungo non "
                       "rende pi\u00f9 probabile l'uscita del numero.")
            .arg(period.size()));
    showChart();
}

void StatsScreen::showChart() {
    std::vector<int> values;
    for (int row = 0; row < numbers_->rowCount(); ++row)
        values.push_back(numbers_
                             ->data(numbers_->index(row, chartOf_->currentIndex() == 0 ? FiguresModel::Delay
                                                                                       : FiguresModel::Drawn),
                                    Qt::UserRole)
                             .toInt());
    chart_->setValues(std::move(values));
}

QTableView* StatsScreen::shownTable() const {
    return tabs_->currentIndex() == 1 ? pairsTable_ : numbersTable_;
}

// What is shown, in the command line's format: the numbers, or the pairs of the wheel.
void StatsScreen::exportShown() {
    const QString file = chooseExportFile();
    if (file.isEmpty())
        return;
    const int wheel = ChosenWheel(wheel_);
    const DrawPeriod period = period_->periodOf(archive_, wheel);
    const QByteArray csv = shownTable() == pairsTable_
                               ? PairFiguresCsv(archive_, PairFigures(archive_, wheel, period))
                               : NumberFiguresCsv(archive_, NumberFigures(archive_, wheel, period));
    if (const Failure error = ReplaceFile(file, csv))
        Q_EMIT exportFailed(*error);
}

void StatsScreen::searchChosen() {
    const QModelIndex current = shownTable()->currentIndex();
    if (!current.isValid())
        return;
    const auto* proxy = static_cast<const QSortFilterProxyModel*>(shownTable()->model());
    const auto* model = static_cast<const FiguresModel*>(proxy->sourceModel());
    Q_EMIT searchRequested(model->numbersOf(proxy->mapToSource(current).row()));
}
