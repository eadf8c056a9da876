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
    const bool namesADraw = result.outcome == PasteOutcome::Verified ||
                            result.outcome == PasteOutcome::Differs ||
                            result.outcome == PasteOutcome::Similar;
    if (archive.isValidDraw(result.draw) != namesADraw)
        __builtin_trap(); // the box of such an outcome names the draw's date
    (void)PasteMessage(result, archive);
    return 0;
}
