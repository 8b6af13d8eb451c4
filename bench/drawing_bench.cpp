// Drawing benchmarks: the DXF export of every sheet of a road of 32,767 sections (goal: under
// 3 s), one sheet of 10 sections rendered into a 1920 x 1080 image, a paint of the
// cross-section window's sheet and one sheet of a longitudinal section (goals: under 10 ms).

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdlib>
#include <filesystem>

#include "drawing/cross_sheet.h"
#include "drawing/dxf_sheets.h"
#include "drawing/gui/painter_device.h"
#include "drawing/profile_sheet.h"
#include "shell/cross_window_model.h"
#include "support/recording_dialogs.h"
#include "support/road_project.h"

namespace calvora {
namespace {

void BM_DxfExportAllSheets(benchmark::State& run) {
  testing::Road road(testing::SampleRoad({.sections = kMaxRecordCount, .sectionsPerSheet = 4}));
  testing::RecordingDialogs dialogs;  // the drawing under its proposed name
  CrossSheet sheets(road.state, dialogs);
  sheets.Sheet = SheetSizeOf(PageFormat::A4, false);
  SilentProgress progress;
  std::uintmax_t bytes = 0;
  for (auto _ : run) {
    const std::string written = ExportSheets(sheets, {}, DxfFormat::Binary, progress);
    bytes = std::filesystem::file_size(written);
  }
  run.counters["sections/s"] = benchmark::Counter(static_cast<double>(kMaxRecordCount),
                                                  benchmark::Counter::kIsIterationInvariantRate);
  run.counters["bytes"] = static_cast<double>(bytes);
  run.SetBytesProcessed(static_cast<std::int64_t>(bytes) * run.iterations());
}
BENCHMARK(BM_DxfExportAllSheets)->Unit(benchmark::kMillisecond)->Iterations(3);

// The sheet rendered into a 1920 x 1080 image, once an iteration.
void RenderSheets(benchmark::State& run, SheetSet& sheets, int sheet) {
  QImage image(1920, 1080, QImage::Format_RGB32);
  for (auto _ : run) {
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    PainterDevice device(painter, QRectF(0, 0, image.width(), image.height()), 96);
    sheets.Graphic.SetObject(device);
    sheets.Graphic.SetFont({"DejaVu Sans Mono", 10, false, false});
    sheets.DrawOnObject(sheet);
    sheets.Graphic.ClearObject();
  }
}

void BM_RenderSheetOfTenSections(benchmark::State& run) {
  testing::Road road(testing::SampleRoad({.sections = 20, .sectionsPerSheet = 10, .layers = true}));
  testing::RecordingDialogs dialogs;
  CrossSheet sheets(road.state, dialogs);
  sheets.Sheet = SheetSizeOf(PageFormat::A4, true);
  RenderSheets(run, sheets, 1);
  run.counters["sections/s"] =
      benchmark::Counter(10, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_RenderSheetOfTenSections)->Unit(benchmark::kMillisecond);

// A paint of the cross-section window's picture (a 4-section A4 sheet in 1200 x 900 pixels):
// drawn anew (Arg 0: the sections computed, as after turning a sheet) or played again from the
// kept drawing (Arg 1: scrolling, resizing, uncovering). Goal: well under 10 ms.
void BM_PaintCrossWindowSheet(benchmark::State& run) {
  testing::Road road(testing::SampleRoad({.sections = 8, .sectionsPerSheet = 4, .layers = true}));
  testing::RecordingDialogs dialogs;
  CrossWindowModel window(road.state, dialogs);
  window.SetPage(SheetSizeOf(PageFormat::A4, false));
  const bool kept = run.range(0) == 1;
  QImage image(1200, 900, QImage::Format_RGB32);
  for (auto _ : run) {
    if (!kept) {
      window.Redraw();
    }
    image.fill(Qt::gray);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const PictureRect sheet = window.SheetInPicture(image.width(), image.height());
    const QRectF target(sheet.Left, sheet.Top, sheet.Width, sheet.Height);
    painter.fillRect(target, Qt::white);
    PainterDevice device(painter, target, 96);
    window.Paint(device);
  }
}
BENCHMARK(BM_PaintCrossWindowSheet)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// One A3 landscape sheet of the longitudinal section of a 10 km road (sections every 20 m, the
// ground's 500 lines clipped to the sheet) rendered into a 1920 x 1080 image, the profile kept
// as the window keeps it. Goal: under 10 ms.
void BM_RenderProfileSheet(benchmark::State& run) {
  testing::Road road(testing::TwoLaneRoad(std::vector<double>(501, 100.5)));
  testing::RecordingDialogs dialogs;
  ProfileSheet sheets(road.state, dialogs);
  sheets.Sheet = SheetSizeOf(PageFormat::A3, true);
  sheets.Profile();
  RenderSheets(run, sheets, 2);
}
BENCHMARK(BM_RenderProfileSheet)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace calvora

int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
