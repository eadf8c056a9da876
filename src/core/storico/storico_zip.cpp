// SPDX-License-Identifier: GPL-3.0-or-later
#include "storico/storico_zip.h"

#include <QString>
#include <memory>
#include <zip.h>

namespace {

constexpr int MegaByte = 1024 * 1024;
constexpr zip_uint64_t ChunkBytes = 256 * 1024;

struct ZipCloser {
    void operator()(zip_t* zip) const { zip_discard(zip); }
};
struct FileCloser {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};
using ZipHandle = std::unique_ptr<zip_t, ZipCloser>;
using FileHandle = std::unique_ptr<zip_file_t, FileCloser>;

ZippedText failed(ImportProblem::Kind kind, int number = 0) {
    ZippedText result;
    result.problem.kind = kind;
    result.problem.number = number;
    return result;
}

ZipHandle openInMemory(const QByteArray& bytes) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes.constData(), zip_uint64_t(bytes.size()), 0, &error);
    zip_error_fini(&error);
    if (!source)
        return nullptr;
    zip_error_init(&error);
    zip_t* zip = zip_open_from_source(source, ZIP_RDONLY, &error);
    zip_error_fini(&error);
    if (!zip)
        zip_source_free(source); // still ours when the open failed
    return ZipHandle(zip);
}

bool isText(const char* name) {
    return name && QString::fromUtf8(name).endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive);
}

// The index of the one ".txt" member, or the problem.
ImportProblem::Kind findText(zip_t* zip, zip_uint64_t& index) {
    const zip_int64_t count = zip_get_num_entries(zip, 0);
    int found = 0;
    for (zip_int64_t i = 0; i < count; ++i) {
        if (isText(zip_get_name(zip, zip_uint64_t(i), 0))) {
            index = zip_uint64_t(i);
            ++found;
        }
    }
    if (found == 0)
        return ImportProblem::ZipWithoutText;
    return found == 1 ? ImportProblem::None : ImportProblem::ZipWithSeveralTexts;
}

} // namespace

bool LooksLikeZip(const QByteArray& bytes) {
    return bytes.startsWith(QByteArrayLiteral("PK\x03\x04")) ||
           bytes.startsWith(QByteArrayLiteral("PK\x05\x06"));
}

ZippedText UnzipStoricoText(const QByteArray& zip, qint64 limit) {
    const ZipHandle archive = openInMemory(zip);
    if (!archive)
        return failed(ImportProblem::ZipDamaged);
    zip_uint64_t index = 0;
    if (const ImportProblem::Kind problem = findText(archive.get(), index); problem != ImportProblem::None)
        return failed(problem);
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive.get(), index, 0, &stat) != 0)
        return failed(ImportProblem::ZipDamaged);
    if ((stat.valid & ZIP_STAT_ENCRYPTION_METHOD) && stat.encryption_method != ZIP_EM_NONE)
        return failed(ImportProblem::ZipEncrypted);
    const FileHandle file(zip_fopen_index(archive.get(), index, 0));
    if (!file)
        return failed(ImportProblem::ZipDamaged);
    ZippedText result;
    // The declared size is a hint for the first allocation only, never more than the limit.
    if (stat.valid & ZIP_STAT_SIZE)
        result.text.reserve(qsizetype(std::min<zip_uint64_t>(stat.size, zip_uint64_t(limit))));
    for (;;) {
        const qsizetype before = result.text.size();
        result.text.resize(before + qsizetype(ChunkBytes));
        const zip_int64_t read = zip_fread(file.get(), result.text.data() + before, ChunkBytes);
        if (read < 0) // a damaged stream or a checksum that does not match
            return failed(ImportProblem::ZipDamaged);
        result.text.resize(before + qsizetype(read));
        if (result.text.size() > limit)
            return failed(ImportProblem::TextTooLarge, int(limit / MegaByte));
        if (read == 0)
            return result;
    }
}
