// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/memory_file_store.h"

Failure MemoryFileStore::change() {
    ++operations_;
    if (operations_ == failing_ || (dies_ && operations_ > failing_ && failing_ > 0))
        return dies_ ? FileError::DeviceIo : failingError_;
    return {};
}

FileRead MemoryFileStore::read(const QString& path, qint64 maxBytes) {
    if (readFailures_.contains(key(path)))
        return {readFailures_.value(key(path)), true, {}};
    if (!files_.contains(key(path)))
        return {};
    const QByteArray& bytes = files_[key(path)];
    return {{}, true, maxBytes < 0 ? bytes : bytes.left(maxBytes)};
}

Failure MemoryFileStore::write(const QString& path, const QByteArray& bytes) {
    if (Failure error = change())
        return error;
    files_[key(path)] = bytes;
    return {};
}

Failure MemoryFileStore::rename(const QString& from, const QString& to) {
    if (Failure error = change())
        return error;
    if (!files_.contains(key(from)))
        return FileError::FileNotFound;
    files_[key(to)] = files_.take(key(from));
    placed_.append(to);
    return {};
}

Failure MemoryFileStore::remove(const QString& path) {
    if (Failure error = change())
        return error;
    files_.remove(key(path));
    for (const QString& name : files_.keys())
        if (name.startsWith(key(path) + u'/'))
            files_.remove(name);
    return {};
}

QStringList MemoryFileStore::entries(const QString& path) {
    const QString prefix = path.isEmpty() ? QString() : key(path) + u'/';
    QStringList names;
    for (const QString& name : files_.keys()) {
        if (!name.startsWith(prefix))
            continue;
        const QString entry = name.mid(prefix.size()).section(u'/', 0, 0);
        if (!names.contains(entry))
            names.append(entry);
    }
    return names;
}

Failure MemoryFileStore::sync() {
    return change();
}

Failure MemoryFileStore::writable(const QString& path) {
    const QString folder = key(path).section(u'/', 0, -2);
    if (readOnly_.contains(key(path)) || readOnly_.contains(folder + u'/'))
        return FileError::PermissionDenied;
    return {};
}

QByteArray MemoryFileStore::file(const QString& path) const {
    return files_.value(key(path));
}
bool MemoryFileStore::contains(const QString& path) const {
    return files_.contains(key(path));
}
void MemoryFileStore::setFile(const QString& path, const QByteArray& bytes) {
    files_[key(path)] = bytes;
}

void MemoryFileStore::failWrite(int operation, FileError error) {
    failing_ = operation;
    failingError_ = error;
    dies_ = false;
}

void MemoryFileStore::killAt(int operation) {
    failing_ = operation;
    dies_ = true;
}

void MemoryFileStore::failRead(const QString& path, FileError error) {
    readFailures_[key(path)] = error;
}

void MemoryFileStore::setReadOnly(const QString& path) {
    readOnly_.insert(key(path));
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

Result<std::unique_ptr<StoreLock>> MemoryFileStore::lock(int) {
    if (*locked_)
        return {nullptr, FileError::ArchiveInUse};
    return {std::make_unique<MemoryLock>(locked_), {}};
}
