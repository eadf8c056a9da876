// SPDX-License-Identifier: GPL-3.0-or-later
#include "storico/official_wheels.h"

#include "archive/constant_tables.h"

QString OfficialWheelCode(int wheel) {
    for (const OfficialWheel& official : OfficialWheels)
        if (official.wheel == wheel)
            return QString::fromLatin1(official.code);
    return {};
}

int OfficialWheelOf(char first, char second) {
    for (const OfficialWheel& official : OfficialWheels)
        if (official.code[0] == first && official.code[1] == second)
            return official.wheel;
    const char code[] = {first, second, '\0'};
    for (int i = 1; i <= WheelCodeCount; ++i)
        if (WheelCode(i) == QLatin1StringView(code))
            return WheelOfCode(i);
    return 0;
}
