// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the demo archive into a folder that holds no archive yet; never overwrites one.
#include "archive/archive_writer.h"
#include "archive/file_store.h"
#include "demo_archive.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: make_demo_archive FOLDER\n");
        return 2;
    }
    const QString folder = args.at(1);
    if (HoldsArchiveFiles(folder)) {
        std::printf("demo archive: %s already holds an archive, left as it is\n", qPrintable(folder));
        return 0;
    }
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "demo archive: cannot create %s\n", qPrintable(folder));
        return 1;
    }
    const Archive archive = MakeDemoArchive();
    DiskFileStore files(folder);
    if (Failure error = WriteWholeArchive(files, archive)) {
        std::fprintf(stderr, "demo archive: write failed with error %d\n", ErrorNumberOf(*error));
        return 1;
    }
    std::printf("demo archive: %d draws written to %s\n", int(archive.DrawCount()), qPrintable(folder));
    return 0;
}
