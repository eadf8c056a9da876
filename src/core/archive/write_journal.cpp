// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/write_journal.h"

#include "archive/data_file_layout.h"
#include "archive/sealed_text.h"

#include <QList>
#include <QRegularExpression>
#include <optional>
#include <vector>

namespace {

const QString StagedSuffix = QStringLiteral(".new");
const QByteArray JournalHeader = "vorel-journal 1\n";

struct JournalEntry {
    QString name;
    qint64 size = 0;
    QByteArray digest;
};

bool matches(const QByteArray& bytes, const JournalEntry& entry) {
    return bytes.size() == entry.size && DigestOf(bytes) == entry.digest;
}

QByteArray journalOf(const NamedFiles& files) {
    QByteArray body = JournalHeader;
    for (const auto& [name, bytes] : files)
        body += name.toUtf8() + '\t' + QByteArray::number(bytes.size()) + '\t' + DigestOf(bytes) + '\n';
    return Sealed(body);
}

// The entries of a complete journal; none for one cut short or damaged.
std::optional<std::vector<JournalEntry>> readJournal(const QByteArray& text) {
    const std::optional<QByteArray> body = Unsealed(text);
    if (!body || !body->startsWith(JournalHeader))
        return std::nullopt;
    std::vector<JournalEntry> entries;
    for (const QByteArray& line : body->mid(JournalHeader.size()).split('\n')) {
        const QList<QByteArray> fields = line.split('\t');
        if (line.isEmpty())
            continue;
        if (fields.size() != 3)
            return std::nullopt;
        entries.push_back({QString::fromUtf8(fields[0]), fields[1].toLongLong(), fields[2]});
    }
    return entries;
}

// A name the program's writes use for a moment: "<archive file>.new", and the "<archive
// file>.XXXXXX" of writes made through a temporary file by earlier versions.
bool isTemporaryName(const QString& entry) {
    static const QRegularExpression pattern(QStringLiteral("^(.+)\\.(new|[A-Za-z]{6})$"));
    const QRegularExpressionMatch match = pattern.match(entry);
    if (!match.hasMatch())
        return false;
    const QStringList names = DataFileName::all();
    return std::any_of(names.begin(), names.end(),
                       [&match](const QString& name) { return DataFileName::same(name, match.captured(1)); });
}

// Gives up a write before its journal was complete: the journal first, so that no staged file is
// ever missing from a journal that names it.
// A staged file that cannot be removed is a temporary name, removed at the next opening.
Failure abandon(FileStore& store, const NamedFiles& files, Failure error) {
    if (!store.remove(JournalName))
        for (const auto& file : files)
            (void)store.remove(file.first + StagedSuffix);
    return error;
}

} // namespace

Failure CommitFiles(FileStore& store, const NamedFiles& files) {
    if (files.empty())
        return {};
    for (const auto& [name, bytes] : files)
        if (Failure error = store.write(name + StagedSuffix, bytes))
            return abandon(store, files, error);
    if (Failure error = store.write(JournalName, journalOf(files)))
        return abandon(store, files, error);
    if (Failure error = store.sync())
        return abandon(store, files, error);
    // From here on the write is done, whatever happens: the next opening finishes it.
    for (const auto& file : files)
        if (Failure error = store.rename(file.first + StagedSuffix, file.first))
            return error;
    if (Failure error = store.sync())
        return error;
    // The write is complete: a journal left here is finished again, harmlessly, at the next opening.
    (void)store.remove(JournalName);
    return {};
}

Failure FinishInterruptedWrite(FileStore& store) {
    const QStringList entries = store.entries();
    if (!HasInterruptedWrite(entries))
        return {};
    const FileRead journal = store.read(JournalName);
    if (journal.error)
        return journal.error;
    if (const auto complete = readJournal(journal.bytes)) {
        // A staged file that is not there was renamed already.
        for (const JournalEntry& entry : *complete) {
            const FileRead staged = store.read(entry.name + StagedSuffix);
            if (staged.error)
                return staged.error;
            if (staged.exists && matches(staged.bytes, entry))
                if (Failure error = store.rename(entry.name + StagedSuffix, entry.name))
                    return error;
        }
        if (Failure error = store.sync())
            return error;
    }
    for (const QString& entry : store.entries())
        if (isTemporaryName(entry))
            if (Failure error = store.remove(entry))
                return error;
    if (Failure error = store.remove(JournalName))
        return error;
    return store.sync();
}

bool HasInterruptedWrite(const QStringList& entries) {
    return std::any_of(entries.begin(), entries.end(), [](const QString& entry) {
        return DataFileName::same(entry, JournalName) || isTemporaryName(entry);
    });
}
