// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/archive_builders.h"

#include "archive/archive_loader.h"
#include "archive/archive_writer.h"
#include "archive/backups.h"
#include "archive/data_file_layout.h"
#include "archive/edit_buffer.h"
#include "archive/file_sets.h"

#include <QTest>

using namespace Qt::StringLiterals;
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
    if (WriteWholeArchive(store, archive))
        qWarning("cannot write the test archive");
    return store;
}

Archive Load(FileStore& store) {
    auto loaded = LoadArchive(store);
    if (loaded.error)
        qWarning("load failed with %d", ErrorNumberOf(*loaded.error));
    return std::move(loaded.value);
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

namespace {

// The archive files and the data folder's other entries after the first reader opened it.
QStringList stateSeenFirst(MemoryFileStore& store) {
    auto read = ReadArchive(store);
    if (read.error)
        return {u"read error %1"_s.arg(ErrorNumberOf(*read.error))};
    ArchiveSnapshot& snapshot = read.value;
    QStringList state;
    for (const auto& [name, bytes] : NamedArchiveFiles(snapshot.files))
        state << (snapshot.present.contains(name.toLower())
                      ? name + u' ' + QString::fromLatin1(bytes->toHex())
                      : QString());
    for (const QString& entry : store.entries())
        if (!DataFileName::all().contains(entry, Qt::CaseInsensitive) && entry != BackupFolderName)
            state << u"left behind: "_s + entry;
    return state;
}

} // namespace

void CheckEveryStep(const MemoryFileStore& start, const std::function<void(MemoryFileStore&)>& write) {
    MemoryFileStore done = start;
    write(done);
    MemoryFileStore untouched = start;
    const QStringList before = stateSeenFirst(untouched), after = stateSeenFirst(done);
    const int changes = done.writeCount() - start.writeCount();
    QVERIFY(changes > 0);
    for (int step = 1; step <= changes; ++step)
        for (const bool killed : {true, false}) {
            MemoryFileStore store = start;
            if (killed)
                store.killAt(start.writeCount() + step);
            else
                store.failWrite(start.writeCount() + step, FileError::DiskFull);
            write(store);
            store.stopFailing();
            const QStringList seen = stateSeenFirst(store);
            QVERIFY2(seen == before || seen == after,
                     qPrintable(u"%1 at change %2 of %3"_s.arg(killed ? u"killed"_s : u"failed"_s)
                                    .arg(step)
                                    .arg(changes)));
        }
}
