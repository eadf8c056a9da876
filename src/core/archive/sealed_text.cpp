// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/sealed_text.h"

#include <QCryptographicHash>

namespace {
const QByteArray EndMark = "end ";
} // namespace

QByteArray DigestOf(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

QByteArray Sealed(const QByteArray& body) {
    return body + EndMark + DigestOf(body) + '\n';
}

std::optional<QByteArray> Unsealed(const QByteArray& text) {
    if (!text.endsWith('\n'))
        return std::nullopt;
    const qsizetype lastLine = text.lastIndexOf('\n', text.size() - 2) + 1;
    const QByteArray body = text.left(lastLine);
    if (text.mid(lastLine) != EndMark + DigestOf(body) + '\n')
        return std::nullopt;
    return body;
}
