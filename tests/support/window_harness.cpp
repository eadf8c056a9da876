// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/window_harness.h"

#include "archive/archive_writer.h"
#include "archive/file_store.h"
#include "demo_archive.h"
#include "support/memory_file_store.h"
#include "views/focus_ring.h"
#include "views/picture_box.h"
#include "widgets/click_label.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

using namespace Qt::StringLiterals;

WindowHarness::WindowHarness(const Archive* archive, MemoryFileStore* memoryStore) : memory(memoryStore) {
    if (archive) {
        DiskFileStore disk(dataPath());
        FileStore& files = memory ? static_cast<FileStore&>(*memory) : disk;
        if (WriteWholeArchive(files, *archive))
            qFatal("cannot write the test archive");
    }
    programPath = dataPath();
    // No window test reaches for the official site unless it asks to.
    settings.values.insert(QStringLiteral("Update/Auto"), QStringLiteral("off"));
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
    services.chooseFile = [this](bool save, const QString& caption, const QString& filters) {
        return chooseFile ? chooseFile(save, caption, filters) : QString();
    };
    services.fileToImport = fileToImport;
    services.today = [this] { return today; };
    services.now = [this] { return now; };
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

namespace {

template <class T> T* named(const QObject* in, const QString& name) {
    return in->findChild<T*>(name);
}

// The screen's own control, or the fallback's when the screen has none.
template <class T> T* onScreen(frmVorel& w, const QString& name, const QWidget* fallback) {
    const QList<QWidget*> shown = w.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (const QWidget* page : shown)
        if (page->isVisibleTo(&w) &&
            (qobject_cast<const EntryScreen*>(page) || qobject_cast<const ArchiveScreen*>(page)))
            if (T* control = named<T>(page, name))
                return control;
    return named<T>(fallback, name);
}

} // namespace

EntryScreen& entry(frmVorel& w) {
    return *w.findChild<EntryScreen*>();
}

ArchiveScreen& view(frmVorel& w) {
    return *w.findChild<ArchiveScreen*>();
}

Controls ui(frmVorel& w) {
    const EntryScreen* e = &entry(w);
    Controls c{};
    c.But1 = named<QPushButton>(&w, u"But1"_s);
    c.But2 = named<QPushButton>(&w, u"But2"_s);
    c.But3 = named<QPushButton>(&w, u"But3"_s);
    c.But4 = named<QPushButton>(&w, u"But4"_s);
    c.butDownload = named<QPushButton>(&w, u"butDownload"_s);
    c.butHelp = named<QPushButton>(&w, u"butHelp"_s);
    c.Picture1 = onScreen<PictureBox>(w, u"Picture1"_s, e);
    c.VScrl = onScreen<QScrollBar>(w, u"VScrl"_s, e);
    c.HScrl = named<QScrollBar>(&view(w), u"HScrl"_s);
    c.Text1 = named<QPlainTextEdit>(&w, u"Text1"_s);
    c.Pic1 = named<PictureBox>(e, u"Pic1"_s);
    c.Combo1 = named<QComboBox>(e, u"Combo1"_s);
    c.LTG = named<QLabel>(e, u"LTG"_s);
    c.LTD = named<QLabel>(e, u"LTD"_s);
    c.LTE = named<QLabel>(e, u"LTE"_s);
    c.LTE1 = named<QLabel>(e, u"LTE1"_s);
    c.LTR = named<QLabel>(e, u"LTR"_s);
    for (int i = 1; i <= 3; ++i)
        c.TBData[std::size_t(i)] = named<QLineEdit>(e, u"TBData"_s + QString::number(i));
    for (int i = 1; i <= 5; ++i)
        c.TBNum[std::size_t(i)] = named<QLineEdit>(e, u"TBNum"_s + QString::number(i));
    for (int i = 1; i <= 11; ++i)
        c.Lb[std::size_t(i)] = named<ClickLabel>(e, u"Lb"_s + QString::number(i));
    c.focusRing = w.findChild<FocusRing*>();
    return c;
}

void fillDraw(frmVorel& w, const WheelNumbers& numbers, int wheels, PackedDate date, int weekday) {
    const Controls c = ui(w);
    for (int wheel = 1; wheel <= wheels; ++wheel) {
        c.VScrl->setValue(wheel);
        for (int p = 1; p <= 5; ++p)
            c.TBNum[std::size_t(p)]->setText(QString::number(numbers[std::size_t(wheel)][std::size_t(p)]));
    }
    c.TBData[1]->setText(QString::number(date.day));
    c.TBData[2]->setText(QString::number(date.month));
    c.TBData[3]->setText(QString::number(date.yearCode));
    c.Combo1->setCurrentIndex(weekday);
}
