// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "archive/file_store.h"

#include <QMap>
#include <memory>

// Data files held in memory, names compared without regard to case like the disk store.
// Failures can be injected: a given write (1-based count of write calls) or any read of a name.
class MemoryFileStore final : public FileStore {
public:
    FileRead read(const QString& name, qint64 maxBytes = -1) override;
    int write(const QString& name, const QByteArray& bytes) override;
    // Held by one holder at a time; a second asks in vain at once.
    int lock(std::unique_ptr<StoreLock>& held, int waitMs) override;
    // Backups are kept by name, beside the files.
    int backup(const QString& name, const NamedFiles& files, int keep, QString& where) override;

    QByteArray file(const QString& name) const;
    bool contains(const QString& name) const;
    void setFile(const QString& name, const QByteArray& bytes);
    void remove(const QString& name);

    // The write with this 1-based number fails with `error` and changes nothing.
    void failWrite(int writeNumber, int error);
    // Every read of this file fails with `error`.
    void failRead(const QString& name, int error);

    int writeCount() const { return writes_; }
    QStringList writtenNames() const { return written_; }
    bool locked() const { return *locked_; }
    // The backups by name, each file by its lower-case name.
    QMap<QString, QMap<QString, QByteArray>> backups;

private:
    QString key(const QString& name) const { return name.toLower(); }

    QMap<QString, QByteArray> files_;
    QMap<QString, int> readFailures_;
    int failingWrite_ = 0;
    int failingWriteError_ = 0;
    int writes_ = 0;
    QStringList written_;
    // Shared by the copies of a store, as a lock file is by every program on one folder.
    std::shared_ptr<bool> locked_ = std::make_shared<bool>(false);
};
