// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/super_enalotto.h"

#include "archive/archive.h"

#include <algorithm>

namespace {

constexpr int BA = 1, FI = 3, MI = 5, NA = 6, PA = 7, RO = 8, VE = 10;

} // namespace

SuperLine DeriveSuperLine(const Archive& archive, int draw) {
    if (!archive.isValidDraw(draw))
        return {};
    const qint16* numbers = archive.numbersOfDraw(draw);
    auto n = [numbers](int wheel, int position) {
        return numbers[NumbersPerWheel * (wheel - 1) + position - 1];
    };
    SuperLine s{};
    s[1] = n(BA, 1);
    s[2] = n(FI, 1);
    if (s[2] == s[1])
        s[2] = n(FI, 2);

    constexpr std::array<int, 5> laterWheels = {MI, NA, PA, RO, VE};
    for (int k = 3; k <= 7; ++k) {
        const int wheel = laterWheels[std::size_t(k - 3)];
        const auto earlier = s.begin() + 1;
        int q = 1;
        s[std::size_t(k)] = n(wheel, q);
        while (q < NumbersPerWheel &&
               std::find(earlier, earlier + (k - 1), s[std::size_t(k)]) != earlier + (k - 1))
            s[std::size_t(k)] = n(wheel, ++q);
    }
    return s;
}

void DeriveSuperNumbers(Archive& archive) {
    const int count = archive.DrawCount();
    for (int d = 1; d <= count; ++d) {
        const SuperLine line = DeriveSuperLine(archive, d);
        for (int k = 1; k <= SuperLineLength; ++k)
            archive.setSuperNumber(d, k, line[std::size_t(k)]);
    }
}
