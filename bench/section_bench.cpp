// Sections per second through ComputeSection and ComputeSectionAreas, over section shapes read
// from working files: the demo road, and a mix of fill, cut, ditch, wall, stripping and layer
// sections.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <ostream>

#include "records/project_record.h"
#include "records/record_file.h"
#include "section/section_areas.h"
#include "section/section_engine.h"
#include "support/temp_folder.h"

namespace calvora {
namespace {

namespace fs = std::filesystem;

void RunSections(benchmark::State& state, const RecordFile& data, const RecordFile& variants,
                 const ProjectRecord& project) {
  SectionEngine engine;
  const int count = data.Count();
  int record = 0;
  double area = 0;
  for (auto _ : state) {
    record = record % count + 1;
    engine.ComputeSection(data, variants, project, record);
    area += ComputeSectionAreas(engine.Results()).CutArea;
  }
  benchmark::DoNotOptimize(area);
  state.SetItemsProcessed(state.iterations());
}

void DemoRoad(benchmark::State& state) {
  const fs::path demo = fs::path(CALVORA_SOURCE_DIR) / "examples" / "demo";
  const RecordFile projectFile(demo / "DEMO.PRJ", ProjectRecord::kLength);
  const RecordFile data(demo / "DEMO.DAT", SectionRecord::kLength);
  const RecordFile variants(demo / "DEMO.VAR", VariantRecord::kLength);
  RunSections(state, data, variants, ReadRecord<ProjectRecord>(projectFile, 1));
}
BENCHMARK(DemoRoad);

SectionRecord Ground(double prElev, double slope, int points) {
  SectionRecord section;
  section.Meter = 20;
  section.PRElev = static_cast<float>(prElev);
  section.GRElev = 100;
  section.Var = 1;
  for (const int side : {-1, 1}) {
    section.PointCount[side] = static_cast<std::int16_t>(side * points);
    for (int k = 1; k <= points; ++k) {
      const double x = side * 30.0 * k / points;
      section.GroundPoints(side * k, 0) = static_cast<float>(x);
      section.GroundPoints(side * k, 1) = static_cast<float>(100 + slope * x + 0.3 * (k % 2));
    }
  }
  return section;
}

VariantRecord Template(float subG, float deco, float wall) {
  VariantRecord variant;
  for (const int side : {-1, 1}) {
    variant.LineCount[side] = static_cast<float>(2 * side);
    variant.Point(side, 0) = static_cast<float>(3.5 * side);
    variant.Point(side, 1) = -0.07f;
    variant.Point(2 * side, 0) = static_cast<float>(5 * side);
    variant.Point(2 * side, 1) = -0.15f;
    variant.FillSlope[side] = 0.6f;
    const float ditch[][2] = {{0.5f, -0.6f}, {1.5f, -0.6f}, {3.5f, 1.4f}};
    for (int k = 1; k <= 3; ++k) {
      variant.CutTran(side * k, 0) = side * ditch[k - 1][0];
      variant.CutTran(side * k, 1) = ditch[k - 1][1];
    }
    variant.FillTran(side, 0) = 1.0f * side;
    variant.FillTran(side, 1) = -0.6f;
    variant.FillTran(2 * side, 0) = 2.0f * side;
    variant.FillTran(2 * side, 1) = -0.6f;
    variant.FillTran(3 * side, 0) = 3.0f * side;
  }
  variant.SubG = subG;
  variant.Deco = deco;
  variant.Wall = wall;
  return variant;
}

void MixedShapes(benchmark::State& state) {
  const testing::TempFolder folder;
  RecordFile data(folder / "MIX.DAT", SectionRecord::kLength);
  RecordFile variants(folder / "MIX.VAR", VariantRecord::kLength);
  const VariantRecord templates[] = {Template(0, 0, 0), Template(0.5f, 0.2f, 0),
                                     Template(0.4f, 0, 25)};
  for (int v = 0; v < 3; ++v) {
    WriteRecord(variants, v + 1, templates[v]);
  }
  const double heights[] = {103, 97, 100.2, 100.8, 100};
  const double slopes[] = {0, 0.05, -0.1, 0.2, -0.6};
  int n = 0;
  for (const double height : heights) {
    for (const double slope : slopes) {
      for (std::int16_t v = 1; v <= 3; ++v) {
        SectionRecord section = Ground(height, slope, 3 + n % 7);
        section.Var = v;
        WriteRecord(data, ++n, section);
      }
    }
  }
  ProjectRecord project;
  project.DecaMethod = static_cast<std::int16_t>(state.range(0));
  project.DecaThick = 12;
  project.Thickness = {0.2f, 0.15f, 0, 0, 0};
  RunSections(state, data, variants, project);
}
BENCHMARK(MixedShapes)->Arg(0)->Arg(1);

}  // namespace
}  // namespace calvora

BENCHMARK_MAIN();
