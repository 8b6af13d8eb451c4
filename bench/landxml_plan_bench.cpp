// The demo road exported to LandXML (alignment, profile and its 79 cross-sections through the
// section engine) and one sheet of its plan drawn at 1:1000 on A3 (goals: under 50 ms each).

#include <benchmark/benchmark.h>

#include <filesystem>

#include "drawing/drawing_recorder.h"
#include "drawing/plan_sheets.h"
#include "quantities/landxml_export.h"
#include "support/recording_dialogs.h"
#include "support/road_project.h"
#include "support/temp_folder.h"

namespace calvora {
namespace {

struct Demo {
  Demo() {
    testing::CopyDemoRoad(folder.Path());
    testing::OpenProject(state, folder / "DEMO.PRJ");
  }
  testing::TempFolder folder;
  ProjectState state;
};

void BM_ExportDemoLandXml(benchmark::State& run) {
  Demo demo;
  SilentProgress progress;
  std::uintmax_t bytes = 0;
  for (auto _ : run) {
    testing::RecordingDialogs dialogs;  // the proposed name
    ExportLandXml exporter;
    exporter.Run(demo.state, dialogs, progress);
    bytes = std::filesystem::file_size(exporter.WrittenFile());
  }
  run.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_ExportDemoLandXml)->Unit(benchmark::kMillisecond);

void BM_DrawDemoPlanSheet(benchmark::State& run) {
  Demo demo;
  const PlanSheets plan(demo.state, SheetSizeOf(PageFormat::A3, true));
  for (auto _ : run) {
    DrawingRecorder recorder;
    clsGraphic graphic;
    graphic.SetObject(recorder);
    plan.DrawSheet(graphic, 1);
    benchmark::DoNotOptimize(recorder.CallCount());
  }
}
BENCHMARK(BM_DrawDemoPlanSheet)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace calvora

BENCHMARK_MAIN();
