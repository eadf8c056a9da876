// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/zip_maker.h"

#include <QFile>
#include <QTemporaryDir>
#include <zip.h>

QByteArray MakeZip(const QList<std::pair<QString, QByteArray>>& members, const char* password) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("made.zip"));
    int error = 0;
    zip_t* zip = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!zip)
        return {};
    for (const auto& [name, content] : members) {
        // The buffers live until zip_close, which reads them.
        zip_source_t* source = zip_source_buffer(zip, content.constData(), zip_uint64_t(content.size()), 0);
        const zip_int64_t index = zip_file_add(zip, name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8);
        if (index < 0) {
            zip_source_free(source);
            continue;
        }
        if (password)
            zip_file_set_encryption(zip, zip_uint64_t(index), ZIP_EM_AES_256, password);
    }
    if (zip_close(zip) != 0) {
        zip_discard(zip);
        return {};
    }
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
