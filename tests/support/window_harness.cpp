// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/window_harness.h"

#include "archive/file_store.h"
#include "demo_archive.h"
#include "support/memory_file_store.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QScrollBar>
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
    services.messages = messages ? messages : &boxes;
    services.help = &help;
    services.settings = &settings;
    services.endProgram = [this](int status) { endings.append(status); };
    services.dataPath = dataPathOverride.isEmpty() ? dataPath() : dataPathOverride;
    services.programPath = programPath;
    services.archiveExpected = archiveExpected;
    services.files = memory;
    services.frameMargins = frameMargins;
    services.fileToImport = fileToImport;
    services.today = [this] { return today; };
    services.beep = [this] { ++beeps; };
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

WheelNumbers typedNumbers() {
    WheelNumbers numbers{};
    for (int w = 1; w <= 11; ++w)
        for (int p = 1; p <= 5; ++p)
            numbers[std::size_t(w)][std::size_t(p)] = qint16((w * 7 + p * 3) % 90 + 1);
    return numbers;
}

void fillDraw(frmVorel& w, const WheelNumbers& numbers, int wheels, PackedDate date, int weekday) {
    for (int wheel = 1; wheel <= wheels; ++wheel) {
        w.VScrl->setValue(wheel);
        for (int p = 1; p <= 5; ++p)
            w.TBNum[std::size_t(p)]->setText(QString::number(numbers[std::size_t(wheel)][std::size_t(p)]));
    }
    w.TBData[1]->setText(QString::number(date.day));
    w.TBData[2]->setText(QString::number(date.month));
    w.TBData[3]->setText(QString::number(date.yearCode));
    w.Combo1->setCurrentIndex(weekday);
}
