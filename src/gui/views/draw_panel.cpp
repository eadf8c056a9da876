// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/draw_panel.h"

#include "archive/constant_tables.h"
#include "calendar/draw_date.h"
#include "grid/panel_text.h"
#include "views/print_surface.h"

#include <QStringList>

QString PrintDrawPanel(PrintSurface& panel, const Archive& archive, int k, const WheelNumbers& typed,
                       bool correction, bool highlight) {
    const QColor text = panel.color();
    const QColor white(255, 255, 255);
    QStringList lines{PanelTitle(correction),
                      PanelDateLine(GetDrawWeekday(archive, k).abbrev, FormatDrawDate(archive, k))};
    panel.print(lines[0]);
    panel.newLine();
    panel.print(lines[1]);
    panel.newLine();
    const WheelNumbers stored = archive.drawWheels(k);
    for (int i = 1; i <= WheelCountOfDraw(k); ++i) {
        panel.currentX = 0;
        panel.currentY = WheelLabelTop(i);
        QString line;
        for (const PanelPiece& piece :
             PanelWheelLine(stored[std::size_t(i)], typed[std::size_t(i)], highlight)) {
            panel.setColor(piece.white ? white : text);
            panel.print(piece.text);
            line += piece.text;
        }
        lines << WheelCode(i) + u' ' + line.trimmed();
        panel.setColor(text);
        panel.newLine();
    }
    return lines.join(u'\n');
}
