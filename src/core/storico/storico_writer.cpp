// SPDX-License-Identifier: GPL-3.0-or-later
#include "storico/storico_writer.h"

#include "archive/archive.h"
#include "calendar/draw_date.h"
#include "storico/official_wheels.h"

QByteArray ExportStorico(const Archive& archive) {
    QByteArray text;
    text.reserve(archive.DrawCount() * 11 * 30);
    for (int d = 1; d <= archive.DrawCount(); ++d) {
        QByteArray date;
        AppendDate(date, archive.DrawDate(d), '/');
        for (const OfficialWheel& wheel : OfficialWheels) {
            if (wheel.wheel == NationalWheel && d < FirstNationalDraw)
                continue;
            text += date;
            text += '\t';
            text += wheel.code;
            for (int p = 1; p <= NumbersPerWheel; ++p) {
                text += '\t';
                AppendNumber(text, archive.DrawNumbers(wheel.wheel, d, p));
            }
            text += '\n';
        }
    }
    return text;
}
