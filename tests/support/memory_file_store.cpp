// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/memory_file_store.h"

using namespace Qt::StringLiterals;

FileRead MemoryFileStore::read(const QString& name, qint64 maxBytes) {
    if (readFailures_.contains(key(name)))
        return {readFailures_.value(key(name)), true, {}};
    if (!files_.contains(key(name)))
        return {};
    const QByteArray& bytes = files_[key(name)];
    return {0, true, maxBytes < 0 ? bytes : bytes.left(maxBytes)};
}

int MemoryFileStore::write(const QString& name, const QByteArray& bytes) {
    ++writes_;
    if (writes_ == failingWrite_)
        return failingWriteError_;
    files_[key(name)] = bytes;
    written_.append(name);
    return 0;
}

QByteArray MemoryFileStore::file(const QString& name) const {
    return files_.value(key(name));
}
bool MemoryFileStore::contains(const QString& name) const {
    return files_.contains(key(name));
}
void MemoryFileStore::setFile(const QString& name, const QByteArray& bytes) {
    files_[key(name)] = bytes;
}
void MemoryFileStore::remove(const QString& name) {
    files_.remove(key(name));
}

void MemoryFileStore::failWrite(int writeNumber, int error) {
    failingWrite_ = writeNumber;
    failingWriteError_ = error;
}

void MemoryFileStore::failRead(const QString& name, int error) {
    readFailures_[key(name)] = error;
}

namespace {

class MemoryLock final : public StoreLock {
public:
    explicit MemoryLock(std::shared_ptr<bool> locked) : locked_(std::move(locked)) { *locked_ = true; }
    ~MemoryLock() override { *locked_ = false; }

private:
    std::shared_ptr<bool> locked_;
};

} // namespace

int MemoryFileStore::lock(std::unique_ptr<StoreLock>& held, int) {
    if (*locked_)
        return ErrorNumber::ArchiveInUse;
    held = std::make_unique<MemoryLock>(locked_);
    return 0;
}

int MemoryFileStore::backup(const QString& name, const NamedFiles& files, int keep, QString& where) {
    where = u"backup/"_s + name;
    for (const auto& [file, bytes] : files)
        backups[name][key(file)] = bytes;
    while (backups.size() > keep)
        backups.erase(backups.begin());
    return 0;
}
