// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid/panel_text.h"

int WheelLabelTop(int wheel) {
    return wheel <= 10 ? 540 + 255 * (wheel - 1) : 3090;
}

QString PanelTitle(bool correction) {
    return correction ? QStringLiteral("Estr. nel database") : QStringLiteral("Estraz. precedente");
}

QString PanelDateLine(const QString& dayName, const QString& date) {
    return QStringLiteral("  ") + dayName + u' ' + date;
}

std::vector<PanelPiece> PanelWheelLine(const std::array<qint16, 6>& archived,
                                       const std::array<qint16, 6>& pasted, bool highlight) {
    std::vector<PanelPiece> pieces;
    auto append = [&](const QString& text, bool white) {
        if (!pieces.empty() && pieces.back().white == white)
            pieces.back().text += text;
        else
            pieces.push_back({text, white});
    };
    for (int p = 1; p <= NumbersPerWheel; ++p) {
        const int number = archived[std::size_t(p)];
        append(number < 10 ? QStringLiteral("  ") : QStringLiteral(" "), false);
        append(QString::number(number), highlight && number != pasted[std::size_t(p)]);
    }
    return pieces;
}
