// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/archive.h"

#include <algorithm>

Archive::Archive(int drawCount) {
    drawCount = std::clamp(drawCount, 0, MaxDrawCount);
    const auto count = std::size_t(drawCount);
    dates_.assign(count, PackedDate{});
    weekdays_.assign(count + 2, 0);
    numbers_.assign(count * AllWheels * NumbersPerWheel, 0);
    superLines_.assign(count * SuperLineLength, 0);
}

bool Archive::isWheelPosition(int wheel, int position) {
    return wheel >= 1 && wheel <= AllWheels && position >= 1 && position <= NumbersPerWheel;
}

std::size_t Archive::numberIndex(int wheel, int draw, int position) {
    return (std::size_t(draw - 1) * AllWheels + std::size_t(wheel - 1)) * NumbersPerWheel +
           std::size_t(position - 1);
}

PackedDate Archive::DrawDate(int draw) const {
    return isValidDraw(draw) ? dates_[std::size_t(draw - 1)] : PackedDate{};
}

qint16 Archive::DrawWeekday(int draw) const {
    return draw >= 0 && std::size_t(draw) < weekdays_.size() ? weekdays_[std::size_t(draw)] : qint16(0);
}

qint16 Archive::DrawNumbers(int wheel, int draw, int position) const {
    return isValidDraw(draw) && isWheelPosition(wheel, position)
               ? numbers_[numberIndex(wheel, draw, position)]
               : qint16(0);
}

qint16 Archive::SuperNumbers(int draw, int slot) const {
    return isValidDraw(draw) && slot >= 1 && slot <= SuperLineLength
               ? superLines_[std::size_t(draw - 1) * SuperLineLength + std::size_t(slot - 1)]
               : qint16(0);
}

void Archive::setDrawDate(int draw, PackedDate date) {
    if (isValidDraw(draw))
        dates_[std::size_t(draw - 1)] = date;
}

void Archive::setDrawWeekday(int draw, qint16 code) {
    if (draw >= 0 && std::size_t(draw) < weekdays_.size())
        weekdays_[std::size_t(draw)] = code;
}

void Archive::setDrawNumber(int wheel, int draw, int position, qint16 number) {
    if (isValidDraw(draw) && isWheelPosition(wheel, position))
        numbers_[numberIndex(wheel, draw, position)] = number;
}

void Archive::setSuperNumber(int draw, int slot, qint16 number) {
    if (isValidDraw(draw) && slot >= 1 && slot <= SuperLineLength)
        superLines_[std::size_t(draw - 1) * SuperLineLength + std::size_t(slot - 1)] = number;
}

void Archive::setCityWheels(int draw, const char* record) {
    if (!isValidDraw(draw))
        return;
    qint16* slots = &numbers_[numberIndex(1, draw, 1)];
    for (int i = 0; i < CityWheels * NumbersPerWheel; ++i)
        slots[i] = qint16(quint8(record[i]));
}

void Archive::setNationalWheel(int draw, const char* record) {
    if (!isValidDraw(draw))
        return;
    qint16* slots = &numbers_[numberIndex(NationalWheel, draw, 1)];
    for (int i = 0; i < NumbersPerWheel; ++i)
        slots[i] = qint16(quint8(record[i]));
}

WheelNumbers Archive::drawWheels(int draw) const {
    WheelNumbers wheels{};
    if (!isValidDraw(draw))
        return wheels;
    const qint16* numbers = numbersOfDraw(draw);
    for (int w = 1; w <= AllWheels; ++w)
        std::copy_n(numbers + (w - 1) * NumbersPerWheel, NumbersPerWheel, wheels[std::size_t(w)].begin() + 1);
    return wheels;
}

void Archive::setDrawWheels(int draw, const WheelNumbers& wheels) {
    if (!isValidDraw(draw))
        return;
    qint16* numbers = &numbers_[numberIndex(1, draw, 1)];
    for (int w = 1; w <= AllWheels; ++w)
        std::copy_n(wheels[std::size_t(w)].begin() + 1, NumbersPerWheel, numbers + (w - 1) * NumbersPerWheel);
}

Archive Archive::resized(int drawCount) const {
    const auto count = std::size_t(std::clamp(drawCount, 0, MaxDrawCount));
    const std::size_t kept = std::min(count, dates_.size());
    Archive copy = *this;
    copy.dates_.resize(count);
    copy.weekdays_.resize(count + 2);
    // Nothing is kept of the slot of a draw being added.
    std::fill(copy.weekdays_.begin() + std::ptrdiff_t(kept) + 1, copy.weekdays_.end(), qint16(0));
    copy.numbers_.resize(count * AllWheels * NumbersPerWheel);
    copy.superLines_.resize(count * SuperLineLength);
    return copy;
}

bool Archive::sameDraws(const Archive& other) const {
    const std::size_t count = dates_.size();
    return count == other.dates_.size() && LastWeeklyDraw == other.LastWeeklyDraw && dates_ == other.dates_ &&
           std::equal(weekdays_.begin(), weekdays_.begin() + std::ptrdiff_t(count) + 1,
                      other.weekdays_.begin()) &&
           numbers_ == other.numbers_;
}
