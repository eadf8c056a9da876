#pragma once

#include "archive/archive.h"

#include <initializer_list>

// The demo archive, made once.
const Archive& DemoArchive();

// Puts the numbers of one wheel of one draw into a hand-made archive, positions from 1 on.
inline void SetWheel(Archive& archive, int draw, int wheel, std::initializer_list<int> numbers) {
    int p = 1;
    for (int n : numbers)
        archive.setDrawNumber(wheel, draw, p++, qint16(n));
}
