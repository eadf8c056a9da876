// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "archive/file_error.h"

#include <QByteArray>

// How QCOMPARE prints a failure: its number, or "none".
inline char* toString(FileError error) {
    return qstrdup(QByteArray::number(ErrorNumberOf(error)).constData());
}
inline char* toString(const Failure& failure) {
    return failure ? toString(*failure) : qstrdup("none");
}
