// SPDX-License-Identifier: GPL-3.0-or-later
// The window: one full repaint of the archive grid at 1920x1080, and start-up to the main menu.
#include "app/main_window.h"
#include "archive/archive_writer.h"
#include "archive/file_store.h"
#include "demo_archive.h"
#include "screens/archive_screen.h"
#include "screens/stats_screen.h"
#include "settings/settings_store.h"
#include "widgets/help_viewer.h"
#include "widgets/message_boxes.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {

struct SilentBoxes final : MessageBoxes {
    MsgAnswer show(const MessageRequest&) override { return MsgAnswer::Ok; }
};
struct NoHelp final : HelpViewer {
    QString showHelp(const QString&, const QString&) override { return {}; }
};
struct NoSettings final : SettingsStore {
    QString read(const QString&, const QString&, const QString& fallback) override { return fallback; }
    void write(const QString&, const QString&, const QString&) override {}
};

struct Environment {
    QTemporaryDir dir;
    SilentBoxes boxes;
    NoHelp help;
    NoSettings settings;

    Environment() {
        DiskFileStore files(dir.path());
        if (WriteWholeArchive(files, MakeDemoArchive()))
            std::abort();
    }

    frmVorel::Services services() {
        frmVorel::Services s;
        s.messages = &boxes;
        s.help = &help;
        s.settings = &settings;
        s.endProgram = [](int) {};
        s.dataPath = dir.path() + u'/';
        s.programPath = s.dataPath;
        return s;
    }
};

Environment& environment() {
    static Environment env;
    return env;
}

void BM_DrawGridFullHD(benchmark::State& state) {
    frmVorel window(environment().services());
    window.Form_Load();
    window.show();
    window.resize(1920, 1080);
    window.ShowArchiveView();
    ArchiveScreen& grid = *window.findChild<ArchiveScreen*>();
    for (auto _ : state)
        grid.DrawGrid();
    state.counters["rows"] = grid.GridRows() - 1;
}

void BM_StartUpToMainMenu(benchmark::State& state) {
    for (auto _ : state) {
        frmVorel window(environment().services());
        window.Form_Load();
        window.show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(window.currentScreen());
    }
}

// "Statistiche" from the main menu until its window is painted, on the whole demo archive.
void BM_OpenStatistics(benchmark::State& state) {
    frmVorel window(environment().services());
    window.Form_Load();
    window.show();
    auto* open = window.findChild<QPushButton*>(QStringLiteral("butStats"));
    for (auto _ : state) {
        open->click();
        QWidget* stats = window.findChild<StatsScreen*>();
        stats->repaint();
        state.PauseTiming();
        delete stats; // made again by the next click
        state.ResumeTiming();
    }
}

// Another wheel chosen: the numbers, the pairs and the chart counted again and painted.
void BM_StatisticsChangeWheel(benchmark::State& state) {
    frmVorel window(environment().services());
    window.Form_Load();
    window.show();
    window.findChild<QPushButton*>(QStringLiteral("butStats"))->click();
    auto* stats = window.findChild<StatsScreen*>();
    auto* wheel = stats->findChild<QComboBox*>(QStringLiteral("Wheel"));
    int turn = 0;
    for (auto _ : state) {
        wheel->setCurrentIndex(turn++ % 11);
        stats->repaint();
    }
}

} // namespace

BENCHMARK(BM_OpenStatistics)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StatisticsChangeWheel)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawGridFullHD)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartUpToMainMenu)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
