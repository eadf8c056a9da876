// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/grid_view.h"

#include "archive/archive.h"
#include "grid/twips.h"
#include "views/print_surface.h"

#include <QStringList>
#include <algorithm>

namespace {

const QColor Black(0, 0, 0);
const QColor White(255, 255, 255);

// A horizontal rule 2 twips above the text position, never above the top.
void ruleUnderLine(PrintSurface& surface, int right, int widthPixels) {
    const int y = std::max(surface.currentY - 2, 0);
    const int x = surface.currentX, textY = surface.currentY;
    surface.line(0, y, right, y, widthPixels, Black);
    surface.currentX = x;
    surface.currentY = textY;
}

// A block the surface cannot show whole is left out: a number cut at the edge ("83" as "8") would be
// read as another. The rule that ends the last whole block stays.
void clearPartialBlock(PrintSurface& surface, const std::vector<double>& rules, int cw) {
    const int width = twips(surface.size().width());
    int lastWhole = 0;
    for (const double rule : rules)
        if (int(rule * cw) < width)
            lastWhole = int(rule * cw);
    if (int(rules.back() * cw) >= width)
        surface.clearRightOf(lastWhole + twips(1));
}

void printRow(PrintSurface& surface, const GridRowText& row) {
    surface.print(row.beforeJolly);
    if (!row.jolly.isEmpty()) {
        surface.setItalic(true);
        surface.print(row.jolly);
        surface.setItalic(false);
    }
    surface.print(row.afterJolly);
}

} // namespace

QString PaintGrid(PrintSurface& surface, const Archive& archive, const GridState& state) {
    surface.setItalic(false);
    surface.clear();
    surface.setColor(Black);
    const int firstBlock = state.GridFirstColumn;
    const int lastBlock = GridLastBlock(state);
    const int lastRow = GridLastRow(state, archive.DrawCount());

    QStringList lines{GridHeaderLine(firstBlock, lastBlock)};
    surface.print(lines.front());
    surface.newLine();
    const int cw = surface.textWidth(QStringLiteral("Z"));
    const int ch = surface.textHeight();
    const std::vector<double> rules = GridRuleCells(firstBlock, lastBlock);
    const int right = int(rules.back() * cw);
    const int yEnd = std::max(ch * (lastRow - state.CurrentDraw + 2), 0);
    ruleUnderLine(surface, right, 2);

    for (int d = state.CurrentDraw; d <= lastRow; ++d) {
        if (d == state.CurrentDraw)
            surface.setColor(White);
        const GridRowText row = GridRowLine(archive, d, firstBlock, lastBlock, state.GridSorted);
        printRow(surface, row);
        lines << row.whole();
        surface.newLine();
        surface.setColor(Black);
        ruleUnderLine(surface, right, 1);
    }

    for (std::size_t i = 0; i < rules.size(); ++i) {
        const int x = int(rules[i] * cw);
        surface.line(x, 0, x, yEnd, i == 0 ? 2 : 1, Black);
    }
    clearPartialBlock(surface, rules, cw);
    return lines.join(u'\n');
}
