#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>

// The program's numbers for file failures; ErrorMessageText gives their Italian text.
namespace ErrorNumber {
inline constexpr int Overflow = 6;
inline constexpr int DeviceIo = 57;
inline constexpr int FileNotFound = 53;
inline constexpr int DiskFull = 61;
inline constexpr int BadRecordNumber = 63;
inline constexpr int PermissionDenied = 70;
inline constexpr int PathFileAccess = 75;
inline constexpr int PathNotFound = 76;
} // namespace ErrorNumber

// The result of reading one data file. A missing file is no error: `exists` is false.
struct FileRead {
    int error = 0;
    bool exists = false;
    QByteArray bytes;
};

// Where the data files live. Every operation opens, uses and closes one file.
class FileStore {
public:
    virtual ~FileStore() = default;
    // Reads at most `maxBytes` bytes (all when negative). Never creates a file.
    virtual FileRead read(const QString& name, qint64 maxBytes = -1) = 0;
    // Replaces the whole file by `bytes`, atomically: after a failure the old file is still there,
    // unchanged. Returns 0 or the failure's error number.
    virtual int write(const QString& name, const QByteArray& bytes) = 0;
};

// Data files in a folder of the disk. Names are matched without regard to letter case: an existing
// file of any case is used (of several, always the same one), a new file gets the name as asked for. Writes
// go to a file beside the old one that is renamed over it when complete.
class DiskFileStore final : public FileStore {
public:
    // With `createFolder` a write first makes the folder when it is missing (the per-user data
    // folder of a first start); otherwise a missing folder is error 76.
    explicit DiskFileStore(QString folder, bool createFolder = false);

    FileRead read(const QString& name, qint64 maxBytes = -1) override;
    int write(const QString& name, const QByteArray& bytes) override;

    // Full path of the file that `name` reaches.
    QString resolve(const QString& name) const;

private:
    int folderError() const;

    QString folder_;
    bool createFolder_ = false;
};

// Whether `folder` holds any of the archive's data files (names in any letter case).
bool HoldsArchiveFiles(const QString& folder);

// Maps a failed file operation onto the program's error numbers.
int errorNumberOf(QFileDevice::FileError error);
