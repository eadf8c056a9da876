// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "archive/file_store.h"
#include "support/failure_text.h"

#include <QMap>
#include <QSet>
#include <memory>

// Data files held in memory, paths compared without regard to case like the disk store. Every
// operation that changes something (write, rename, remove, sync) is counted, and any of them can
// fail: once (an I/O error, after which the program goes on) or for good (the program is killed
// there, and nothing it does afterwards reaches the files).
class MemoryFileStore final : public FileStore {
public:
    FileRead read(const QString& path, qint64 maxBytes = -1) override;
    Failure write(const QString& path, const QByteArray& bytes) override;
    Failure rename(const QString& from, const QString& to) override;
    Failure remove(const QString& path) override;
    QStringList entries(const QString& path = {}) override;
    Failure sync() override;
    Failure writable(const QString& path) override;
    // Held by one holder at a time; a second asks in vain at once.
    Result<std::unique_ptr<StoreLock>> lock(int waitMs) override;
    QString location(const QString& path) const override { return path; }

    QByteArray file(const QString& path) const;
    bool contains(const QString& path) const;
    void setFile(const QString& path, const QByteArray& bytes);
    // Every path, in lower case.
    QStringList paths() const { return files_.keys(); }

    // The change with this 1-based number fails with `error` and changes nothing.
    void failWrite(int operation, FileError error);
    // No change fails any more.
    void stopFailing() { failing_ = 0; }
    // The program dies at the change with this number: it and every later one fail.
    void killAt(int operation);
    // Every read of this file fails with `error`.
    void failRead(const QString& path, FileError error);
    // This file (or, with a trailing '/', every file in that folder) is read-only.
    void setReadOnly(const QString& path);

    // The changes made or tried so far, and the archive files put in place, in order.
    int writeCount() const { return operations_; }
    QStringList placedNames() const { return placed_; }
    bool locked() const { return *locked_; }

private:
    QString key(const QString& path) const { return path.toLower(); }
    // Counts one change; its error when it is to fail.
    Failure change();

    QMap<QString, QByteArray> files_;
    QMap<QString, FileError> readFailures_;
    QSet<QString> readOnly_;
    int failing_ = 0;
    FileError failingError_ = FileError::DeviceIo;
    bool dies_ = false;
    int operations_ = 0;
    QStringList placed_;
    // Shared by the copies of a store, as a lock file is by every program on one folder.
    std::shared_ptr<bool> locked_ = std::make_shared<bool>(false);
};
