// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "archive/data_file_layout.h"
#include "support/memory_file_store.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

// Fuzz input as an archive's files. One byte whose bits say which of the eight files exist, then
// for each existing file a 16-bit little-endian length and that many bytes (cut short by the end
// of the input). A dates file's count is kept below 2000, so that every run is quick and the time
// goes into the rules rather than into building large archives.
inline MemoryFileStore FuzzStore(const uint8_t* data, size_t size) {
    const QStringList names = DataFileName::all();
    MemoryFileStore store;
    if (size == 0)
        return store;
    const uint8_t present = data[0];
    size_t at = 1;
    for (int i = 0; i < names.size(); ++i) {
        if (!(present & (1u << i)))
            continue;
        size_t length = at + 2 <= size ? size_t(data[at] | (data[at + 1] << 8)) : 0;
        at = std::min(at + 2, size);
        length = std::min(length, size - at);
        QByteArray bytes(reinterpret_cast<const char*>(data + at), qsizetype(length));
        if (names[i].startsWith(u"_data") && bytes.size() >= 2)
            putWord(bytes, 0, qint16(quint16(wordAt(bytes, 0)) % 2000));
        store.setFile(names[i], bytes);
        at += length;
    }
    return store;
}
