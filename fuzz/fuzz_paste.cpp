// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes, read as a pasted draw text against the demo archive, must give an
// outcome without a crash or a sanitizer report.
#include "demo_archive.h"
#include "paste/paste_analysis.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const Archive archive = MakeDemoArchive();
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const PasteAnalysis result = AnalysePastedText(text, archive);
    if (result.hasMessage == (result.outcome == PasteOutcome::NewDraw))
        __builtin_trap(); // every outcome but a new draw has its message
    return 0;
}
