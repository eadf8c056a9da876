// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/archive_builders.h"

#include "archive/archive_loader.h"
#include "archive/data_file_layout.h"
#include "archive/edit_buffer.h"
#include "demo_archive.h"

const Archive& DemoArchive() {
    static const Archive demo = MakeDemoArchive();
    return demo;
}

Archive DemoOf(int draws) {
    return MakeDemoArchive(QDate(2100, 1, 1), draws);
}

MemoryFileStore StoreOf(const Archive& archive) {
    MemoryFileStore store;
    if (WriteArchiveFiles(store, archive) != 0)
        qWarning("cannot write the test archive");
    return store;
}

Archive Load(FileStore& store) {
    Archive archive;
    if (const int error = LoadArchive(store, archive))
        qWarning("load failed with %d", error);
    return archive;
}

Archive WithDraw(const Archive& archive, int draw, const EditBuffer& edit) {
    Archive changed = archive.resized(std::max<int>(archive.DrawCount(), draw));
    changed.setDrawDate(draw, {quint8(edit.EditDate[1]), quint8(edit.EditDate[2]), quint8(edit.EditDate[3])});
    changed.setDrawWeekday(draw, edit.CurrentWeekday);
    WheelNumbers numbers = edit.EditNumbers;
    if (draw < FirstNationalDraw)
        numbers[std::size_t(NationalWheel)] = {};
    changed.setDrawWheels(draw, numbers);
    return changed;
}

QStringList DifferingFiles(const MemoryFileStore& actual, const MemoryFileStore& expected) {
    QStringList differing;
    for (const QString& name : DataFileName::all())
        if (actual.file(name) != expected.file(name) || actual.contains(name) != expected.contains(name))
            differing.append(name);
    return differing;
}
