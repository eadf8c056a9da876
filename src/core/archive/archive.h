// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "archive/packed_date.h"

#include <QtGlobal>
#include <array>
#include <vector>

// The first draw with the national wheel; earlier draws have ten wheels.
inline constexpr int FirstNationalDraw = 3475;
// The largest number of draws the data files can describe.
inline constexpr int MaxDrawCount = 32766;
inline constexpr int CityWheels = 10;
inline constexpr int AllWheels = 11;
inline constexpr int NationalWheel = 11;
inline constexpr int NumbersPerWheel = 5;
inline constexpr int SuperLineLength = 7;

// The numbers of one draw by [wheel][position], wheel 1..11, position 1..5 (slot 0 unused in both).
using WheelNumbers = std::array<std::array<qint16, 6>, 12>;

// 10 wheels before FirstNationalDraw, 11 from it on.
constexpr int WheelCountOfDraw(int draw) {
    return draw >= FirstNationalDraw ? AllWheels : CityWheels;
}

// The archive in memory, as loaded from the "SM" file set. A value type: a load builds a new one
// and the caller replaces its old archive only when the load succeeded.
//
// Indexing is 1-based as everywhere in the program: draw 1..DrawCount (oldest first),
// wheel 1..11, position 1..5, SuperEnalotto slot 1..7. Reading outside those bounds gives 0
// (or an empty date) rather than undefined behaviour.
class Archive {
public:
    Archive() : Archive(0) {}
    // An archive of `drawCount` draws (0..MaxDrawCount), every date, weekday and number zero.
    explicit Archive(int drawCount);

    // Number of draws; fixed when the archive is made, so the arrays always match it.
    qint16 DrawCount() const { return qint16(dates_.size()); }
    // Index of the last draw of the once-a-week period (header word 2 of the dates file).
    qint16 LastWeeklyDraw = 0;

    PackedDate DrawDate(int draw) const;
    // Slots 0..DrawCount+1; slot DrawCount+1 belongs to the draw being added.
    qint16 DrawWeekday(int draw) const;
    qint16 DrawNumbers(int wheel, int draw, int position) const;
    qint16 SuperNumbers(int draw, int slot) const;
    // The 55 numbers of a valid draw, wheel by wheel: [5 * (wheel - 1) + position - 1].
    const qint16* numbersOfDraw(int draw) const { return &numbers_[numberIndex(1, draw, 1)]; }
    // All eleven wheels of one draw.
    WheelNumbers drawWheels(int draw) const;

    void setDrawDate(int draw, PackedDate date);
    void setDrawWeekday(int draw, qint16 code);
    void setDrawNumber(int wheel, int draw, int position, qint16 number);
    void setSuperNumber(int draw, int slot, qint16 number);
    // Fast paths for the loader: wheels 1..10 from a 50-byte numbers record, wheel 11 from a
    // 5-byte national record (byte values, as the files hold them).
    void setCityWheels(int draw, const char* record);
    void setNationalWheel(int draw, const char* record);
    // All eleven wheels of one draw at once.
    void setDrawWheels(int draw, const WheelNumbers& wheels);

    bool isValidDraw(int draw) const { return draw >= 1 && draw <= DrawCount(); }

    // A copy with `drawCount` draws: the draws both have are kept, new ones are zero.
    Archive resized(int drawCount) const;
    // Whether both hold the same stored draws: count, LastWeeklyDraw, and each draw's date, weekday
    // and numbers (the slot of a draw being added and the derived lines aside).
    bool sameDraws(const Archive& other) const;

    friend bool operator==(const Archive&, const Archive&) = default;

private:
    static std::size_t numberIndex(int wheel, int draw, int position);
    static bool isWheelPosition(int wheel, int position);

    std::vector<PackedDate> dates_;  // [draw - 1]
    std::vector<qint16> weekdays_;   // [draw], DrawCount + 2 slots
    std::vector<qint16> numbers_;    // draw-major: 11 wheels x 5 positions per draw
    std::vector<qint16> superLines_; // 7 slots per draw
};
