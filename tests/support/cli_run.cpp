// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/cli_run.h"

#include <QBuffer>

Run RunVorel(const QStringList& arguments, const QString& programFolder, const QByteArray& input) {
    QBuffer in, out, err;
    in.setData(input);
    in.open(QIODevice::ReadOnly);
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    Run r;
    r.result = RunCommandLine(QStringList{QStringLiteral("vorel")} + arguments, programFolder, in, out, err);
    r.out = out.data();
    r.err = err.data();
    return r;
}
