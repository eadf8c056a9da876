// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The server says the file at `address` has not changed since the last download.
QString UpdateNotModifiedText(const QString& address);
