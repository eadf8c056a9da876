// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid/grid_metrics.h"

#include "grid/grid_text.h"

#include <algorithm>
#include <cmath>

namespace {

float atLeastZero(float value) {
    return value < 0 ? 0.0f : value;
}

// Nearest integer, ties to even (the default rounding mode), never below 0.
int roundedCount(float value) {
    if (!std::isfinite(value) || value <= 0)
        return 0;
    return int(std::min(std::nearbyint(value), 32767.0f));
}

} // namespace

GridMetrics ComputeGridMetrics(const GridMetricsInput& in) {
    const TwipsRect& p = in.picture;
    const float bx = (p.width - in.scaleWidth) / 2;
    const float by = (p.height - in.scaleHeight) / 2;
    GridMetrics m;
    m.vScroll.top = atLeastZero(p.top + by);
    m.vScroll.height = atLeastZero(in.scaleHeight - in.hScrollHeight);
    m.vScroll.width = ScrollBarThickness;
    m.vScroll.left = atLeastZero(p.left + p.width - bx - m.vScroll.width);
    m.hScroll.height = in.hScrollHeight;
    m.hScroll.top = atLeastZero(p.top + p.height - by - in.hScrollHeight);
    m.hScroll.width = atLeastZero(in.scaleWidth - m.vScroll.width);
    m.hScroll.left = atLeastZero(p.left + bx);

    if (in.cellHeight > 0)
        m.GridRows = roundedCount(atLeastZero(in.scaleHeight - in.hScrollHeight) / in.cellHeight - 1);
    if (in.cellWidth > 0)
        m.GridWidthUnits = roundedCount(atLeastZero(in.scaleWidth - m.vScroll.width) / in.cellWidth - 1);
    const int moreBlocks = std::max(m.GridWidthUnits - DateCellWidth, 0) / WheelBlockWidth;
    m.GridVisibleWheels = std::min(moreBlocks + 1, 11);
    return m;
}
