// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes, read as the zip the official results file comes in, must give the
// text within the limit or a problem, without a crash, a sanitizer report or memory past the limit.
#include "storico/storico_zip.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    constexpr qint64 Limit = 1024 * 1024;
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const ZippedText result = UnzipStoricoText(bytes, Limit);
    if (result.text.size() > Limit || (result.problem && !result.text.isEmpty()))
        __builtin_trap();
    return 0;
}
