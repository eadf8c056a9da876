// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/window_harness.h"

#include "archive/file_store.h"
#include "demo_archive.h"
#include "support/memory_file_store.h"

#include <QDir>
#include <QTest>

WindowHarness::WindowHarness(const Archive* archive, MemoryFileStore* memoryStore) : memory(memoryStore) {
    if (archive) {
        DiskFileStore disk(dataPath());
        FileStore& files = memory ? static_cast<FileStore&>(*memory) : disk;
        if (WriteArchiveFiles(files, *archive) != 0)
            qFatal("cannot write the test archive");
    }
    programPath = dataPath();
}

WindowHarness::~WindowHarness() = default;

frmVorel& WindowHarness::start() {
    frmVorel::Services services;
    services.messages = &boxes;
    services.help = &help;
    services.settings = &settings;
    services.endProgram = [this](int status) { endings.append(status); };
    services.dataPath = dataPathOverride.isEmpty() ? dataPath() : dataPathOverride;
    services.programPath = programPath;
    services.archiveExpected = archiveExpected;
    services.files = memory;
    services.frameMargins = frameMargins;
    services.fileToImport = fileToImport;
    window_ = std::make_unique<frmVorel>(services);
    window_->Form_Load();
    window_->show();
    window_->activateWindow();
    if (!QTest::qWaitForWindowExposed(window_.get()))
        qWarning("window not exposed");
    return *window_;
}

void WindowHarness::screenshot(const QString& name) {
    const QString folder = qEnvironmentVariable("VOREL_SCREENSHOTS");
    if (folder.isEmpty() || !window_)
        return;
    QDir().mkpath(folder);
    window_->grab().save(folder + u'/' + name + QStringLiteral(".png"));
}
