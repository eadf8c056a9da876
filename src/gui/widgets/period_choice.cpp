// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/period_choice.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>

namespace {

enum Kind { Whole, Last, Dates };

QDateEdit* dateField(QWidget* parent, const QString& name, const QString& accessible) {
    auto* field = new QDateEdit(parent);
    field->setObjectName(name);
    field->setAccessibleName(accessible);
    field->setDisplayFormat(QStringLiteral("dd-MM-yyyy"));
    field->setDateRange(QDate(FirstArchiveYear, 1, 1), QDate(LastArchiveYear, 12, 31));
    field->setCalendarPopup(true);
    return field;
}

QDate dateOf(PackedDate date) {
    return {FullYear(date.yearCode), date.month, date.day};
}

} // namespace

PeriodChoice::PeriodChoice(QWidget* parent) : QWidget(parent) {
    kind_ = new QComboBox(this);
    kind_->setObjectName(QStringLiteral("PeriodKind"));
    kind_->setAccessibleName(QStringLiteral("Periodo"));
    kind_->addItems({QStringLiteral("Tutto l'archivio"), QStringLiteral("Ultime estrazioni"),
                     QStringLiteral("Dal giorno al giorno")});
    count_ = new QSpinBox(this);
    count_->setObjectName(QStringLiteral("PeriodCount"));
    count_->setAccessibleName(QStringLiteral("Numero di estrazioni"));
    count_->setRange(1, MaxDrawCount);
    count_->setValue(100);
    from_ = dateField(this, QStringLiteral("PeriodFrom"), QStringLiteral("Dal giorno"));
    to_ = dateField(this, QStringLiteral("PeriodTo"), QStringLiteral("Al giorno"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(QStringLiteral("&Periodo:"), this);
    label->setBuddy(kind_);
    row->addWidget(label);
    for (QWidget* field : std::initializer_list<QWidget*>{kind_, count_, from_, to_})
        row->addWidget(field);
    row->addStretch();
    connect(kind_, &QComboBox::currentIndexChanged, this, [this] {
        showFields();
        Q_EMIT changed();
    });
    connect(count_, &QSpinBox::valueChanged, this, &PeriodChoice::changed);
    connect(from_, &QDateEdit::dateChanged, this, &PeriodChoice::changed);
    connect(to_, &QDateEdit::dateChanged, this, &PeriodChoice::changed);
    showFields();
}

void PeriodChoice::setArchive(const Archive& archive) {
    if (archive.DrawCount() == 0)
        return;
    const QSignalBlocker blockFrom(from_), blockTo(to_);
    from_->setDate(dateOf(archive.DrawDate(1)));
    to_->setDate(dateOf(archive.DrawDate(archive.DrawCount())));
}

DrawPeriod PeriodChoice::periodOf(const Archive& archive, int wheel) const {
    switch (kind_->currentIndex()) {
    case Last:
        return LastDrawsOf(PeriodOf(archive, wheel), count_->value());
    case Dates:
        return PeriodOf(archive, wheel, from_->date(), to_->date());
    default:
        return PeriodOf(archive, wheel);
    }
}

void PeriodChoice::showFields() {
    count_->setVisible(kind_->currentIndex() == Last);
    from_->setVisible(kind_->currentIndex() == Dates);
    to_->setVisible(kind_->currentIndex() == Dates);
}
