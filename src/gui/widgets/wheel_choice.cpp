// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/wheel_choice.h"

#include "stats/draw_stats.h"

#include <QComboBox>

void FillWheelChoice(QComboBox* box, bool withAll) {
    static const char* const names[] = {"Bari",    "Cagliari", "Firenze", "Genova",  "Milano",   "Napoli",
                                        "Palermo", "Roma",     "Torino",  "Venezia", "Nazionale"};
    box->clear();
    for (int w = 1; w <= AllWheels; ++w)
        box->addItem(QString::fromLatin1(names[w - 1]), w);
    if (withAll)
        box->addItem(QStringLiteral("Tutte"), AnyWheel);
}

int ChosenWheel(const QComboBox* box) {
    return box->currentData().toInt();
}
