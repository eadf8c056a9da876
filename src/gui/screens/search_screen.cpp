// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/search_screen.h"

#include "calendar/draw_date.h"
#include "stats/draw_search.h"
#include "widgets/period_choice.h"
#include "widgets/placing.h"
#include "widgets/wheel_choice.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QString dateText(const Archive& archive, int draw) {
    const PackedDate date = archive.DrawDate(draw);
    return FullDateText(FullYear(date.yearCode), date.month, date.day);
}

QString wheelText(const Archive& archive, int wheel, int draw) {
    QStringList numbers;
    for (int p = 1; p <= NumbersPerWheel; ++p)
        numbers << QString::number(archive.DrawNumbers(wheel, draw, p));
    return numbers.join(u' ');
}

} // namespace

SearchScreen::SearchScreen(const Archive& archive, QWidget* parent)
    : QWidget(parent, Qt::Window), archive_(archive) {
    setObjectName(QStringLiteral("SearchScreen"));
    setWindowTitle(QStringLiteral("Cerca"));
    buildControls();
    period_->setArchive(archive_);
}

void SearchScreen::buildControls() {
    auto* fields = new QHBoxLayout;
    auto* label = new QLabel(QStringLiteral("&Numeri:"), this);
    fields->addWidget(label);
    for (std::size_t i = 0; i < numbers_.size(); ++i) {
        auto* field = new QLineEdit(this);
        field->setObjectName(QStringLiteral("Number%1").arg(i + 1));
        field->setAccessibleName(QStringLiteral("Numero %1").arg(i + 1));
        field->setValidator(new QIntValidator(1, 90, field));
        field->setMaxLength(2);
        field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("000")) + 12);
        connect(field, &QLineEdit::returnPressed, this, &SearchScreen::search);
        fields->addWidget(field);
        numbers_[i] = field;
    }
    label->setBuddy(numbers_[0]);
    wheel_ = new QComboBox(this);
    wheel_->setObjectName(QStringLiteral("Wheel"));
    wheel_->setAccessibleName(QStringLiteral("Ruota"));
    FillWheelChoice(wheel_, true);
    wheel_->setCurrentIndex(wheel_->count() - 1);
    auto* wheelLabel = new QLabel(QStringLiteral("&Ruota:"), this);
    wheelLabel->setBuddy(wheel_);
    fields->addWidget(wheelLabel);
    fields->addWidget(wheel_);
    searchButton_ = new QPushButton(QStringLiteral("&Cerca"), this);
    searchButton_->setObjectName(QStringLiteral("Search"));
    fields->addWidget(searchButton_);
    fields->addStretch();
    period_ = new PeriodChoice(this);
    found_ = new QLabel(this);
    found_->setObjectName(QStringLiteral("Found"));
    results_ = new QTreeWidget(this);
    results_->setObjectName(QStringLiteral("Results"));
    results_->setAccessibleName(QStringLiteral("Estrazioni trovate"));
    results_->setRootIsDecorated(false);
    results_->setHeaderLabels({QStringLiteral("Estrazione"), QStringLiteral("Data"), QStringLiteral("Ruota"),
                               QStringLiteral("Numeri")});
    results_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    results_->installEventFilter(this);
    auto* page = new QVBoxLayout(this);
    page->addLayout(fields);
    page->addWidget(period_);
    page->addWidget(found_);
    page->addWidget(results_, 1);
    FitOnScreen(this, {640, 480});
    connect(searchButton_, &QPushButton::clicked, this, &SearchScreen::search);
    connect(results_, &QTreeWidget::itemActivated, this, &SearchScreen::openCurrent);
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
            &SearchScreen::helpRequested);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
}

void SearchScreen::refresh() {
    period_->setArchive(archive_);
    if (results_->topLevelItemCount() > 0)
        search();
}

void SearchScreen::searchFor(const QList<int>& numbers) {
    for (std::size_t i = 0; i < numbers_.size(); ++i)
        numbers_[i]->setText(int(i) < numbers.size() ? QString::number(numbers[qsizetype(i)]) : QString());
    search();
}

// The numbers typed, each once; a field left empty is no number.
void SearchScreen::search() {
    std::vector<int> wanted;
    for (const QLineEdit* field : numbers_) {
        const int n = field->text().toInt();
        if (n >= 1 && n <= 90 && std::find(wanted.begin(), wanted.end(), n) == wanted.end())
            wanted.push_back(n);
    }
    results_->clear();
    if (wanted.empty()) {
        found_->setText(QStringLiteral("Scrivere da 1 a 5 numeri da 1 a 90."));
        return;
    }
    const int wheel = ChosenWheel(wheel_);
    const std::vector<DrawMatch> matches =
        FindDraws(archive_, wanted, wheel, period_->periodOf(archive_, wheel));
    QList<QTreeWidgetItem*> items;
    for (const DrawMatch& match : matches) {
        auto* item = new QTreeWidgetItem({QString::number(match.draw), dateText(archive_, match.draw),
                                          wheel_->itemText(match.wheel - 1),
                                          wheelText(archive_, match.wheel, match.draw)});
        item->setData(0, Qt::UserRole, match.draw);
        items << item;
    }
    results_->addTopLevelItems(items);
    found_->setText(matches.size() == 1 ? QStringLiteral("Trovata 1 estrazione.")
                                        : QStringLiteral("Trovate %1 estrazioni.").arg(matches.size()));
    // The first result chosen and the list in focus: Enter opens it.
    if (!items.isEmpty()) {
        results_->setCurrentItem(items.first());
        results_->setFocus();
    }
}

void SearchScreen::openCurrent() {
    if (const QTreeWidgetItem* item = results_->currentItem())
        Q_EMIT openDraw(item->data(0, Qt::UserRole).toInt());
}

// Enter on a result opens it, whatever the platform's activation key.
bool SearchScreen::eventFilter(QObject* watched, QEvent* event) {
    if (watched == results_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            openCurrent();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
