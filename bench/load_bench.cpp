// How long opening a save takes, step by step, on the bundled sample and on the stress
// save (every table near its capacity), side by side in one run:
//   Floor/zlib  read the file and inflate its stream with one zlib call, nothing else:
//               the reference every other row is compared with;
//   Floor     the same with the inflater the load uses (libdeflate where the build has it);
//   Load      the container and the parser (LoadSaveFile, SaveAnalyse);
//   Headless  the headless window's whole load, every view filled;
//   Desktop   the same in the desktop window offscreen, until the page shown is
//             painted (the window is started before, see StartUp).
// Then what a long replay log costs the desktop window to show, each step on the
// stress save in a process of its own (its peak memory and the first load's time), and
//   ColdStart  the program started in a fresh process until its window is painted,
//              without a save and with each save on its command line.
// The World page's picture of a 500 x 500 map in each mode. Last, `varnak-report --table` over 1,000 sample saves in one run: the time per save,
// to set beside Headless/sample.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTabWidget>

#include <sys/resource.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/save_table.h"

#include "fresh_process.h"
#include "stages.h"
#include "support/save_fixture.h"
#include "ui/qt/log_view.h"
#include "ui/qt/main_window.h"
#include "ui/qt/startup.h"
#include "ui/world_map.h"

namespace {

using namespace varnak;

struct Save {
  const char* name;
  std::string path;
};

// Page faults per iteration: each is a page of fresh memory written for the first time.
long MinorFaults() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_minflt;
}

// Every step is timed as a program that has opened the save before opens it again
// (one load first, untimed): its buffers are there and in memory. What the first
// load of a fresh process costs, FreshProcess reports.
void FloorOf(benchmark::State& state, const Save& save, bench::Floor::With with) {
  bench::Floor floor(with);
  size_t inflated = floor.Run(save.path);
  for (auto _ : state) benchmark::DoNotOptimize(inflated = floor.Run(save.path));
  state.counters["inflated_MiB"] = static_cast<double>(inflated) / (1 << 20);
}

void FloorZlib(benchmark::State& state, const Save& save) { FloorOf(state, save, bench::Floor::With::Zlib); }
void Floor(benchmark::State& state, const Save& save) { FloorOf(state, save, bench::Floor::With::LoadsInflater); }

void Load(benchmark::State& state, const Save& save) {
  bench::Load load;
  load.Run(save.path);
  const long faults = MinorFaults();
  for (auto _ : state) benchmark::DoNotOptimize(load.Run(save.path));
  state.counters["faults"] = benchmark::Counter(static_cast<double>(MinorFaults() - faults),
                                                benchmark::Counter::kAvgIterations);
}

void Headless(benchmark::State& state, const Save& save) {
  bench::QuietHost host;
  ui::TForm1 form(host);
  bench::HeadlessLoad(form, save.path);
  const long faults = MinorFaults();
  for (auto _ : state) bench::HeadlessLoad(form, save.path);
  state.counters["faults"] = benchmark::Counter(static_cast<double>(MinorFaults() - faults),
                                                benchmark::Counter::kAvgIterations);
  state.counters["replay_lines"] = static_cast<double>(form.ReplayList.Lines.size());
}

// The program's window, started before each load (see StartUp for what that costs),
// so that every load fills fresh widgets.
void Desktop(benchmark::State& state, const Save& save) {
  for (auto _ : state) {
    state.PauseTiming();
    std::unique_ptr<gui::MainWindow> window = bench::StartDesktopWindow();
    state.ResumeTiming();
    bench::LoadIntoDesktopWindow(*window, save.path);
    state.PauseTiming();
    window.reset();
    state.ResumeTiming();
  }
}

// The desktop window without a save, started and every page painted: what the toolkit
// costs at the program's start whatever the save.
void StartUp(benchmark::State& state) {
  for (auto _ : state) {
    std::unique_ptr<gui::MainWindow> window = bench::StartDesktopWindow();
    bench::PaintEveryPage(*window);
    state.PauseTiming();
    window.reset();
    state.ResumeTiming();
  }
}

// The program from its start in a fresh process until its window is painted, with the
// save loaded when there is one: what the user waits for.
void ColdStart(benchmark::State& state, const std::string& save) {
  for (auto _ : state) state.SetIterationTime(bench::ColdStartMs(save) / 1000);
}

// A replay log of 65,536 lines, each in its own colour, from the rendering of a
// loaded window until the log is scrolled to its end and painted.
std::string LongReplaySave() {
  fixture::SaveFixture save = fixture::SaveFixture::Basic();
  save.Game.Replay.clear();
  constexpr int kLines = 65536;
  for (int i = 0; i < kLines; ++i)
    save.Game.Replay.push_back({i % 1500, {}, "Event " + std::to_string(i) + " of a long game", 34 + i % 5});
  const std::string path = fixture::TempPath("long-replay.sav");
  fixture::WriteFile(path, fixture::WriteSaveFile(save));
  return path;
}

void LongReplayLog(benchmark::State& state, const std::string& path) {
  for (auto _ : state) {
    state.PauseTiming();
    std::unique_ptr<gui::MainWindow> window = bench::StartDesktopWindow();
    window->Form().LoadFile(path);  // the load itself is measured above
    state.ResumeTiming();

    window->Render();
    QTabWidget* pages = window->PageControl();
    pages->setCurrentIndex(4);  // "Replay"
    auto* log = window->findChild<gui::LogView*>(QStringLiteral("ReplayList"));
    log->scrollToBottom();
    benchmark::DoNotOptimize(window->grab());

    state.PauseTiming();
    bench::Require(log->Lines().rowCount() == 65536, "the long log lost lines");
    window.reset();
    state.ResumeTiming();
  }
}

// Each step on the stress save in a fresh process of its own: its peak resident
// memory against the save's inflated size, and the first load's time, with nothing
// of an earlier load to reuse.
void FreshProcess(benchmark::State& state, const Save& save) {
  bench::StepInProcess bare, headless, toolkit, desktop;
  for (auto _ : state) {
    bare = bench::RunInOwnProcess("bare", save.path);
    headless = bench::RunInOwnProcess("headless", save.path);
    toolkit = bench::RunInOwnProcess("toolkit", save.path);
    desktop = bench::RunInOwnProcess("desktop", save.path);
  }
  bench::Floor floor;
  const double inflatedMiB = static_cast<double>(floor.Run(save.path)) / (1 << 20);
  const auto MiB = [](long kib) { return static_cast<double>(kib) / 1024; };
  state.counters["inflated_MiB"] = inflatedMiB;
  state.counters["bare_MiB"] = MiB(bare.PeakKiB);
  state.counters["headless_MiB"] = MiB(headless.PeakKiB);
  state.counters["toolkit_MiB"] = MiB(toolkit.PeakKiB);
  state.counters["desktop_MiB"] = MiB(desktop.PeakKiB);
  // Each step's own share: its peak less that of the same process without the save.
  state.counters["headless_x_inflated"] = MiB(headless.PeakKiB - bare.PeakKiB) / inflatedMiB;
  state.counters["desktop_x_inflated"] = MiB(desktop.PeakKiB - toolkit.PeakKiB) / inflatedMiB;
  state.counters["headless_first_ms"] = headless.LoadMs;
  state.counters["desktop_first_ms"] = desktop.LoadMs;
}

// The resident memory of this process now, in KiB.
long ResidentKiB() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// 1,000 saves as an organiser gets them: each its own file name (hard links to the
// sample, so that the folder costs no disk), given to one run of the table.
std::vector<std::string> TableArguments(const std::string& sample, int saves) {
  const std::filesystem::path dir = fixture::TempPath("table-saves");
  std::filesystem::create_directories(dir);
  std::vector<std::string> args = {"--table"};
  for (int i = 0; i < saves; ++i) {
    const std::filesystem::path path = dir / ("submitted-" + std::to_string(i) + ".sav");
    std::filesystem::remove(path);
    std::error_code linked;
    std::filesystem::create_hard_link(sample, path, linked);
    if (linked) std::filesystem::copy_file(sample, path);
    args.push_back(path.string());
  }
  return args;
}

void Table(benchmark::State& state, const std::vector<std::string>& args) {
  const auto saves = static_cast<double>(args.size() - 1);
  std::ostringstream out, err;
  bench::Require(app::RunTable(args, out, err) == 0, "the table failed");
  const long before = ResidentKiB();
  for (auto _ : state) {
    out.str({});
    app::RunTable(args, out, err);
  }
  bench::Require(out.str().find(",Aurelia,") != std::string::npos, "the table lost its rows");
  bench::Require(err.str().empty(), "the table complained");
  // Seconds per save; Google Benchmark prints it in the unit it picks.
  state.counters["per_save"] =
      benchmark::Counter(saves, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  // Memory stays flat: what the process holds after the runs beyond what it held after one.
  state.counters["rss_growth_KiB"] = static_cast<double>(ResidentKiB() - before);
}

// The World page's picture of a full 500 x 500 plot table, in each mode (goal: under
// 5 ms). Every plot owned, featured and with a resource, codes varied, so that no
// branch is skipped.
void MapPictureOf(benchmark::State& state, ui::MapMode mode) {
  PlotGrid plots;
  plots.Resize(kPlotTableSide, kPlotTableSide);
  uint32_t seed = 12345;
  for (TPlotRec& p : plots.Cells) {
    seed = seed * 1664525u + 1013904223u;
    p = {static_cast<int16_t>(seed >> 8 & 3), static_cast<int16_t>(seed >> 12 & 7),
         static_cast<int16_t>(static_cast<int>(seed >> 16 & 7) - 1), static_cast<int16_t>(static_cast<int>(seed >> 20 & 63) - 8)};
    p.Owner = static_cast<uint8_t>(seed >> 26 & 31);
  }
  bench::QuietHost host;
  ui::TForm1 form(host);
  std::array<ui::Color, kSlotCount> players{};
  for (size_t i = 0; i < players.size(); ++i) players[i] = form.HistoryChart.Series[i].LineColor;
  const ui::MapPalette palette(players);
  for (auto _ : state) {
    ui::MapPicture picture = ui::DrawMapPicture(plots, mode, palette);
    benchmark::DoNotOptimize(picture.Rgb.data());
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]) == bench::kStepFlag) return bench::RunStepAsChild(argv[2], argv[3]);

  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  QApplication app(argc, argv);
  gui::SetUpApplication();
  bench::QuietenOffscreenPlatform();

  static const Save kSaves[] = {{"sample", VARNAK_SAMPLE_SAVE}, {"stress", VARNAK_STRESS_SAVE}};
  // A save that asked the window anything would stop the desktop benchmarks at a dialog.
  for (const Save& save : kSaves) {
    bench::QuietHost host;
    ui::TForm1 form(host);
    bench::HeadlessLoad(form, save.path);
  }
  for (const auto& [step, function] :
       {std::pair{"Floor/zlib", &FloorZlib}, {"Floor", &Floor}, {"Load", &Load}, {"Headless", &Headless},
        {"Desktop", &Desktop}}) {
    for (const Save& save : kSaves)
      benchmark::RegisterBenchmark((std::string(step) + "/" + save.name).c_str(), function, save)
          ->Unit(benchmark::kMillisecond)
          ->MeasureProcessCPUTime()
          ->UseRealTime();
  }
  for (int mode = 0; mode < ui::kMapModeCount; ++mode)
    benchmark::RegisterBenchmark((std::string("MapPicture500/") + ui::kMapModeNames[static_cast<size_t>(mode)]).c_str(),
                                 MapPictureOf, static_cast<ui::MapMode>(mode))
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
  benchmark::RegisterBenchmark("StartUp/desktop", StartUp)
      ->Unit(benchmark::kMillisecond)
      ->MeasureProcessCPUTime()
      ->UseRealTime();
  for (const Save& save : {Save{"none", ""}, kSaves[0], kSaves[1]})
    benchmark::RegisterBenchmark((std::string("ColdStart/") + save.name).c_str(), ColdStart, save.path)
        ->Unit(benchmark::kMillisecond)
        ->UseManualTime();
  static const std::string longReplay = LongReplaySave();
  benchmark::RegisterBenchmark("LongReplayLog/65536", LongReplayLog, longReplay)
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime();
  benchmark::RegisterBenchmark("FreshProcess/stress", FreshProcess, kSaves[1])
      ->Unit(benchmark::kMillisecond)
      ->Iterations(1);
  static const std::vector<std::string> tableArgs = TableArguments(kSaves[0].path, 1000);
  benchmark::RegisterBenchmark("Table/1000", Table, tableArgs)
      ->Unit(benchmark::kMillisecond)
      ->MeasureProcessCPUTime()
      ->UseRealTime();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
