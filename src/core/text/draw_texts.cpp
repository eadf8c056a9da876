// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/draw_texts.h"

#include "calendar/draw_date.h"

#include <array>

QString WeekdayName(int code) {
    static const std::array<QString, 8> names{
        QString(),
        QStringLiteral("luned\u00ec"),
        QStringLiteral("marted\u00ec"),
        QStringLiteral("mercoled\u00ec"),
        QStringLiteral("gioved\u00ec"),
        QStringLiteral("venerd\u00ec"),
        QStringLiteral("sabato"),
        QStringLiteral("domenica"),
    };
    return code >= 1 && code <= 7 ? names[std::size_t(code)] : QString();
}

QString NamedDrawText(int draw, int weekday, PackedDate date) {
    return QStringLiteral("Estrazione %1 di %2 %3")
        .arg(draw)
        .arg(WeekdayName(weekday), FullDateText(FullYear(date.yearCode), date.month, date.day));
}

QString DrawToBeSavedText(int draw, const EditBuffer& edit) {
    const PackedDate date{quint8(edit.EditDate[1]), quint8(edit.EditDate[2]), quint8(edit.EditDate[3])};
    return NamedDrawText(draw, edit.CurrentWeekday, date);
}

QString Counted(qsizetype count, const QString& one, const QString& many) {
    return QString::number(count) + u' ' + (count == 1 ? one : many);
}

QString CountedDraws(qsizetype count) {
    return Counted(count, QStringLiteral("estrazione"), QStringLiteral("estrazioni"));
}

QString FirstArchiveDrawText() {
    return FullDateText(FullYear(FirstArchiveDraw.yearCode), FirstArchiveDraw.month, FirstArchiveDraw.day);
}

QString CountedIncompleteDraws(qsizetype count) {
    return Counted(count, QStringLiteral("estrazione incompleta"), QStringLiteral("estrazioni incomplete"));
}
