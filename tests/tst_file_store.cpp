// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/archive_loader.h"
#include "archive/archive_update.h"
#include "archive/archive_writer.h"
#include "archive/backups.h"
#include "archive/edit_buffer.h"
#include "archive/file_store.h"
#include "archive/native_file.h"
#include "demo_archive.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>

using namespace Qt::StringLiterals;

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

class TestFileStore : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void namesIgnoreLetterCase();
    void twoSpellingsReachOneFile();
    void readingNeverCreatesAFile();
    void missingFolder_data();
    void missingFolder();
    void failedWriteKeepsTheOldFile();
    void readLimit();
    void errorNumbers_data();
    void errorNumbers();
    void loadAndSaveOnDisk();
    void lockAndBackupsOnDisk();
    void readOnlyOnDisk();
    void interruptedWriteOnDisk();
};

void TestFileStore::namesIgnoreLetterCase() {
    QTemporaryDir dir;
    writeFile(dir.filePath(u"_giorni.dtb"_s), "abc");
    DiskFileStore files(dir.path() + u'/');
    const FileRead read = files.read(u"_GIORNI.DTB"_s);
    QCOMPARE(read.error, Failure());
    QVERIFY(read.exists);
    QCOMPARE(read.bytes, QByteArray("abc"));

    QCOMPARE(files.write(u"_Giorni.Dtb"_s, "xyz"), Failure());
    QCOMPARE(entries(dir.path()), QStringList{u"_giorni.dtb"_s});
    QCOMPARE(readFile(dir.filePath(u"_giorni.dtb"_s)), QByteArray("xyz"));

    // A new file gets the name as asked for.
    QCOMPARE(files.write(u"_data_SM.dtb"_s, "new"), Failure());
    QVERIFY(entries(dir.path()).contains(u"_data_SM.dtb"_s));
    QCOMPARE(files.read(u"_data_sm.dtb"_s).bytes, QByteArray("new"));
}

// A copy from another system can hold two spellings of one name: every spelling reaches the same
// one, so a draw saved through the saver's spelling reloads with its weekday.
void TestFileStore::twoSpellingsReachOneFile() {
    QTemporaryDir dir;
    const QString folder = dir.path() + u'/';
    DiskFileStore files(folder);
    const Archive demo = MakeDemoArchive(QDate(1960, 1, 1));
    QCOMPARE(WriteWholeArchive(files, demo), Failure()); // writes "_GIORNI.DTB"
    // A file system that ignores case (NTFS) holds one file for both spellings, which every
    // spelling reaches anyway; one that tells them apart can hold a stale second one.
    writeFile(dir.filePath(u"case-probe"_s), "x");
    const bool twoSpellingsFit = !QFile::exists(dir.filePath(u"CASE-PROBE"_s));
    if (twoSpellingsFit)
        writeFile(dir.filePath(u"_giorni.dtb"_s), "stale");

    for (const QString& spelling : {u"_giorni.dtb"_s, u"_GIORNI.DTB"_s, u"_Giorni.Dtb"_s})
        QCOMPARE(files.resolve(spelling), dir.filePath(u"_GIORNI.DTB"_s));
    EditBuffer edit;
    edit.EditDate = {0, 2, 1, 60};
    edit.CurrentWeekday = 6;
    QCOMPARE(SaveArchive(files, demo, demo.DrawCount() + 1, edit).error, Failure());
    const auto [loaded, error] = LoadArchive(folder);
    QCOMPARE(error, Failure());
    QCOMPARE(loaded.DrawWeekday(loaded.DrawCount()), 6);
    if (twoSpellingsFit)
        QCOMPARE(readFile(dir.filePath(u"_giorni.dtb"_s)), QByteArray("stale"));
}

void TestFileStore::readingNeverCreatesAFile() {
    QTemporaryDir dir;
    DiskFileStore files(dir.path());
    const FileRead read = files.read(u"_rn.dtb"_s);
    QCOMPARE(read.error, Failure());
    QVERIFY(!read.exists);
    QCOMPARE(LoadArchive(dir.path() + u'/').error, FileError::FileNotFound);
    QVERIFY(entries(dir.path()).isEmpty());
}

void TestFileStore::missingFolder_data() {
    QTest::addColumn<bool>("folderIsAFile");
    QTest::newRow("no such folder") << false;
    QTest::newRow("a file, not a folder") << true;
}

void TestFileStore::missingFolder() {
    QFETCH(bool, folderIsAFile);
    QTemporaryDir dir;
    const QString folder = dir.filePath(u"data"_s);
    if (folderIsAFile)
        writeFile(folder, "not a folder");
    DiskFileStore files(folder);
    QCOMPARE(files.read(u"_data_sm.dtb"_s).error, FileError::PathNotFound);
    QCOMPARE(files.write(u"_data_sm.dtb"_s, "x"), FileError::PathNotFound);
    QCOMPARE(LoadArchive(folder + u'/').error, FileError::PathNotFound);
    QCOMPARE(entries(dir.path()), folderIsAFile ? QStringList{u"data"_s} : QStringList{});
}

// A name that reaches a folder cannot be replaced: the write fails and the folder stays.
void TestFileStore::failedWriteKeepsTheOldFile() {
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(u"_EST_SM.DTB"_s));
    DiskFileStore files(dir.path());
    QVERIFY(files.write(u"_est_sm.dtb"_s, "numbers"));
    QVERIFY(QFileInfo(dir.filePath(u"_EST_SM.DTB"_s)).isDir());
    QVERIFY(files.read(u"_est_sm.dtb"_s).error);
    QCOMPARE(entries(dir.path()), QStringList{u"_EST_SM.DTB"_s});
}

void TestFileStore::readLimit() {
    QTemporaryDir dir;
    writeFile(dir.filePath(u"_rn.dtb"_s), "0123456789");
    DiskFileStore files(dir.path());
    QCOMPARE(files.read(u"_rn.dtb"_s, 4).bytes, QByteArray("0123"));
    QCOMPARE(files.read(u"_rn.dtb"_s, 0).bytes, QByteArray());
    QVERIFY(files.read(u"_rn.dtb"_s, 0).exists);
    QCOMPARE(files.read(u"_rn.dtb"_s).bytes, QByteArray("0123456789"));
}

void TestFileStore::errorNumbers_data() {
    QTest::addColumn<int>("fileError");
    QTest::addColumn<int>("systemError"); // errno as the failing call left it
    QTest::addColumn<Failure>("failure");
    using enum FileError;
    QTest::newRow("none") << int(QFileDevice::NoError) << 0 << Failure();
    QTest::newRow("disk full") << int(QFileDevice::ResourceError) << 0 << Failure(DiskFull);
    QTest::newRow("permission") << int(QFileDevice::PermissionsError) << 0 << Failure(PermissionDenied);
    QTest::newRow("read") << int(QFileDevice::ReadError) << 0 << Failure(DeviceIo);
    QTest::newRow("write") << int(QFileDevice::WriteError) << 0 << Failure(DeviceIo);
    QTest::newRow("open") << int(QFileDevice::OpenError) << 0 << Failure(PathFileAccess);
    QTest::newRow("rename") << int(QFileDevice::RenameError) << 0 << Failure(PathFileAccess);
    QTest::newRow("an open refused for permission")
        << int(QFileDevice::OpenError) << EACCES << Failure(PermissionDenied);
    QTest::newRow("an open not permitted")
        << int(QFileDevice::OpenError) << EPERM << Failure(PermissionDenied);
    QTest::newRow("an open of a missing folder")
        << int(QFileDevice::OpenError) << ENOENT << Failure(PathFileAccess);
}

void TestFileStore::errorNumbers() {
    QFETCH(int, fileError);
    QFETCH(int, systemError);
    QFETCH(Failure, failure);
    QCOMPARE(FileErrorOf(QFileDevice::FileError(fileError), systemError), failure);
}

void TestFileStore::loadAndSaveOnDisk() {
    QTemporaryDir dir;
    const QString folder = dir.path() + u'/';
    DiskFileStore files(folder);
    const Archive demo = MakeDemoArchive(QDate(1960, 1, 1));
    QCOMPARE(WriteWholeArchive(files, demo), Failure());

    EditBuffer edit;
    edit.EditDate = {0, 2, 1, 60};
    edit.CurrentWeekday = 6;
    for (int p = 1; p <= 5; ++p)
        edit.EditNumbers[1][std::size_t(p)] = qint16(p);
    QCOMPARE(SaveArchive(files, demo, demo.DrawCount() + 1, edit).error, Failure());

    const auto [loaded, error] = LoadArchive(folder);
    QCOMPARE(error, Failure());
    QCOMPARE(loaded.DrawCount(), demo.DrawCount() + 1);
    QCOMPARE(loaded.DrawDate(loaded.DrawCount()), (PackedDate{2, 1, 60}));
    QCOMPARE(loaded.DrawNumbers(1, loaded.DrawCount(), 5), 5);
    QCOMPARE(entries(dir.path()).size(), 8); // no temporary files left behind
}

// One writer at a time, a lock left by a program that ended is taken over, and the ten newest
// backups stay.
void TestFileStore::lockAndBackupsOnDisk() {
    QTemporaryDir dir;
    DiskFileStore first(dir.path()), second(dir.path());
    {
        const auto held = first.lock(0);
        QCOMPARE(held.error, Failure());
        QCOMPARE(second.lock(50).error, FileError::ArchiveInUse);
    }
    QCOMPARE(second.lock(0).error, Failure());
    QVERIFY(!QFile::exists(dir.filePath(u"vorel.lock"_s)));

    // A lock as this system writes it, of a process that has ended.
    QByteArray lockText;
    {
        QLockFile probe(dir.filePath(u"vorel.lock"_s));
        QVERIFY(probe.tryLock(0));
        QFile written(dir.filePath(u"vorel.lock"_s));
        QVERIFY(written.open(QIODevice::ReadOnly));
        lockText = written.readAll();
    }
    writeFile(dir.filePath(u"vorel.lock"_s), lockText.replace(0, lockText.indexOf('\n'), "2147480000"));
    QCOMPARE(first.lock(0).error, Failure());
    // A writer killed before it wrote its name: a minute later the lock is taken over.
    writeFile(dir.filePath(u"vorel.lock"_s), "");
    QCOMPARE(first.lock(0).error, FileError::ArchiveInUse);
    QFile lock(dir.filePath(u"vorel.lock"_s));
    QVERIFY(lock.open(QIODevice::ReadWrite));
    QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addSecs(-61), QFileDevice::FileModificationTime));
    lock.close();
    QCOMPARE(first.lock(0).error, Failure());

    // Two backups within one second get folders of their own; only the ten newest stay.
    QCOMPARE(WriteWholeArchive(first, MakeDemoArchive(QDate(1950, 1, 1))), Failure());
    const ArchiveSnapshot snapshot = ReadArchive(first).value;
    QString name;
    for (int i = 0; i < 12; ++i) {
        const auto made = MakeBackup(first, snapshot, QDateTime(QDate(2026, 12, 7), QTime(12, 0)));
        QCOMPARE(made.error, Failure());
        name = made.value;
    }
    QCOMPARE(entries(dir.filePath(u"backup"_s)).size(), 10);
    QCOMPARE(ListBackups(first).front().name, name);
    QVERIFY(ListBackups(first).back().name.endsWith(u"-3"_s));
    QCOMPARE(readFile(dir.filePath(u"backup/"_s + name + u"/_rn.dtb"_s)), snapshot.files.full.national);
}

// What a user made read-only is not written, nor is a lock taken in a read-only folder: both are
// refused for permission, whoever runs the program.
void TestFileStore::readOnlyOnDisk() {
    QTemporaryDir dir;
    DiskFileStore files(dir.path());
    QCOMPARE(WriteWholeArchive(files, MakeDemoArchive(QDate(1950, 1, 1))), Failure());
    QFile weekdays(files.resolve(u"_giorni.dtb"_s));
    QVERIFY(weekdays.setPermissions(QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    QCOMPARE(files.writable(u"_giorni.dtb"_s), FileError::PermissionDenied);
    QCOMPARE(files.writable(u"_est_sm.dtb"_s), Failure());
    QVERIFY(weekdays.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner));

#ifndef Q_OS_WIN // a folder's read-only attribute does not stop Windows from making files in it
    writeFile(dir.filePath(u"vorel.lock"_s), "2147480000\nvorel\nhost\n");
    QFile folder(dir.path());
    const auto writableFolder = folder.permissions();
    QVERIFY(folder.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    QCOMPARE(files.lock(0).error, FileError::PermissionDenied);
    QCOMPARE(files.writable(u"_est_sm.dtb"_s), FileError::PermissionDenied);
    QVERIFY(folder.setPermissions(writableFolder));
#endif
}

// A write cut short on disk: a complete journal is finished by the next reader, an incomplete one
// is removed with its files, and the temporary files of earlier writes go too.
void TestFileStore::interruptedWriteOnDisk() {
    QTemporaryDir dir;
    DiskFileStore files(dir.path() + u'/');
    const Archive demo = MakeDemoArchive(QDate(1950, 1, 1));
    QCOMPARE(WriteWholeArchive(files, demo), Failure());
    const QByteArray numbers = readFile(dir.filePath(u"_est_sm.dtb"_s));
    QByteArray changed = numbers;
    changed[0] = char(numbers[0] % 90 + 1);
    for (const bool complete : {false, true}) {
        writeFile(dir.filePath(u"_est_sm.dtb.new"_s), changed);
        writeFile(dir.filePath(u"_data_s.dtb.AbCdEf"_s), "left by an earlier write");
        const QByteArray body = "vorel-journal 1\n_est_sm.dtb\t" + QByteArray::number(changed.size()) + '\t' +
                                QCryptographicHash::hash(changed, QCryptographicHash::Sha256).toHex() + '\n';
        writeFile(dir.filePath(u"vorel.journal"_s),
                  complete ? body + "end " +
                                 QCryptographicHash::hash(body, QCryptographicHash::Sha256).toHex() + '\n'
                           : body);
        const auto [loaded, error] = LoadArchive(dir.path() + u'/');
        QCOMPARE(error, Failure());
        QCOMPARE(loaded.DrawNumbers(1, 1, 1), complete ? changed[0] : numbers[0]);
        QCOMPARE(entries(dir.path()).size(), 8);
    }
}

QTEST_GUILESS_MAIN(TestFileStore)
#include "tst_file_store.moc"
