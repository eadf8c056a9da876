// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Sizing of the archive grid: where the two scroll bars lie over the picture area and how many
// lines and blocks fit. All in twips, single precision, as the layout tables are.
struct TwipsRect {
    float left = 0, top = 0, width = 0, height = 0;
    friend bool operator==(const TwipsRect&, const TwipsRect&) = default;
};

struct GridMetricsInput {
    TwipsRect picture;    // outer rectangle of the picture area, in window coordinates
    float scaleWidth = 0; // its inner size
    float scaleHeight = 0;
    float hScrollHeight = 240;
    float cellWidth = 0; // width and height of "Z" in the grid's font
    float cellHeight = 0;
};

struct GridMetrics {
    TwipsRect vScroll;
    TwipsRect hScroll;
    int GridRows = 0;
    int GridWidthUnits = 0;
    int GridVisibleWheels = 1;
};

// The bars inside the picture's border along its right and bottom edges; GridRows and
// GridWidthUnits rounded to nearest with ties to even; GridVisibleWheels 1..11.
GridMetrics ComputeGridMetrics(const GridMetricsInput& in);

// The bar thickness the layout uses.
inline constexpr float ScrollBarThickness = 240;
