// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <utility>

// A zip made in memory with the given members (name, content), deflated; with a password every
// member is encrypted.
QByteArray MakeZip(const QList<std::pair<QString, QByteArray>>& members, const char* password = nullptr);
