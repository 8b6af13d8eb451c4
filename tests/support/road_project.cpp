#include "support/road_project.h"

#include <cmath>
#include <stdexcept>

#include "project/project_commands.h"
#include "project/shell_window.h"
#include "quantities/interval_quantities.h"
#include "records/record_file.h"
#include "support/record_file_contents.h"
#include "support/recording_dialogs.h"

namespace calvora::testing {

SectionRecord MakeSection(double prElev, double grElev, const OutwardPoints& left,
                          const OutwardPoints& right) {
  SectionRecord section;
  SetStation(section, 1020.5);
  section.PRElev = static_cast<float>(prElev);
  section.GRElev = static_cast<float>(grElev);
  section.Var = 1;
  for (const int side : {-1, 1}) {
    const OutwardPoints& points = side < 0 ? left : right;
    section.PointCount[side] = static_cast<std::int16_t>(side * static_cast<int>(points.size()));
    SetRows(section.GroundPoints, side, points);
  }
  return section;
}

SectionRecord MakeSection(double prElev, double grElev, const OutwardPoints& ground) {
  return MakeSection(prElev, grElev, ground, ground);
}

void SetStation(SectionRecord& section, double station) {
  section.Kilo = static_cast<std::int16_t>(std::floor(station / 1000));
  section.Meter = static_cast<float>(station - 1000.0 * section.Kilo);
}

VariantRecord MakeVariant(const OutwardPoints& lines, double fillSlope,
                          const OutwardPoints& cutDitch, const OutwardPoints& fillDitch) {
  VariantRecord variant;
  for (const int side : {-1, 1}) {
    SetRows(variant.Point, side, lines);
    SetRows(variant.CutTran, side, cutDitch);
    SetRows(variant.FillTran, side, fillDitch);
    variant.LineCount[side] = static_cast<float>(side * static_cast<int>(lines.size()));
    variant.FillSlope[side] = static_cast<float>(fillSlope);
  }
  return variant;
}

RoadRecords SampleRoad(const RoadOptions& options) {
  RoadRecords road;
  ProjectRecord& project = road.project;
  InitialiseNewProject(project);
  project.TitleLeft = "Test road";
  project.TitleCenter = "Cross sections";
  project.TitleRight = "Sheet";
  project.SectionsPerSheet = static_cast<std::int16_t>(options.sectionsPerSheet);
  project.DrawDatum = options.drawDatum ? -1 : 0;
  project.Margin.fill(options.margin);
  project.Pen = {1, 1, 2, 1, 1};
  if (options.layers) {
    project.Compaction = {95, 90, 0, 0, 0};
    project.Thickness = {0.3f, 0.3f, 0, 0, 0};
  }
  constexpr double kRise[] = {1.5, -1.2, 0.3};
  constexpr double kOffsets[] = {2, 5, 9, 14, 20, 30};
  for (int i = 1; i <= options.sections; ++i) {
    const double ground = 100 + 0.4 * (i - 1) + 0.3 * std::sin(i);
    OutwardPoints sides[2];
    for (int k = 1; k <= (i == options.narrowGroundAt ? 1 : 6); ++k) {
      for (const int side : {0, 1}) {
        const double x = (2 * side - 1) * kOffsets[k - 1];
        sides[side].emplace_back(kOffsets[k - 1], ground - 0.06 * x + 0.05 * (k % 2));
      }
    }
    SectionRecord section = MakeSection(ground + kRise[(i - 1) % 3], ground, sides[0], sides[1]);
    SetStation(section, 20.0 * (i - 1));
    section.Var = static_cast<std::int16_t>(i == options.badVariantAt ? 7 : 1);
    road.sections.push_back(section);
  }
  VariantRecord variant =
      MakeVariant({{3.5, -0.07}, {4.5, -0.12}}, 0.6667, {{0.8, -0.6}, {1.2, -0.6}, {3.2, 1.4}});
  variant.Deco = 0.2f;
  road.variants = {variant};
  return road;
}

RoadRecords TwoLaneRoad(const std::vector<double>& projectElevations) {
  RoadRecords road;
  road.project.TitleLeft = "Small road";
  road.project.NumLines = 64;
  road.project.CalcMethod = kPreciseMethod;
  for (std::size_t i = 0; i < projectElevations.size(); ++i) {
    road.sections.push_back(TwoLaneSection(static_cast<int>(i) + 1, projectElevations[i]));
  }
  road.variants = {MakeVariant({{3.5, 0}}, 0.5, {{1, -0.5}, {5, 1.5}})};
  return road;
}

SectionRecord TwoLaneSection(int n, double projectElevation, double groundHalfWidth) {
  SectionRecord section = MakeSection(projectElevation, 100, {{groundHalfWidth, 100}});
  SetStation(section, 20.0 * (n - 1));
  return section;
}

void CopyDemoRoad(const std::filesystem::path& folder) {
  for (const auto& entry :
       std::filesystem::directory_iterator(CALVORA_SOURCE_DIR "/examples/demo")) {
    std::filesystem::copy_file(entry.path(), folder / entry.path().filename());
  }
}

void OpenProject(ProjectState& state, const std::filesystem::path& projectFile) {
  state.AppDir = CALVORA_SOURCE_DIR "/data";
  NoShellWindow window;
  RecordingDialogs dialogs;
  if (!OpenExistingProject(state, projectFile.string(), window, dialogs) ||
      !dialogs.shown.empty()) {
    throw std::runtime_error(projectFile.string() + " does not open");
  }
}

std::filesystem::path WriteRoad(const std::filesystem::path& folder, const RoadRecords& records,
                                const std::string& name) {
  ProjectRecord project = records.project;
  project.DataFile = name + ".DAT";
  project.VariantFile = name + ".VAR";
  WriteRecordFile(folder / (name + ".PRJ"), std::vector{project});
  WriteRecordFile(folder / project.DataFile, records.sections);
  WriteRecordFile(folder / project.VariantFile, records.variants);
  return folder / (name + ".PRJ");
}

Road::Road(const RoadRecords& records, const std::string& name) : name_(name) {
  OpenProject(state, WriteRoad(folder.Path(), records, name));
}

std::filesystem::path Road::File(const std::string& extension) const {
  return folder / (name_ + extension);
}

void Road::Rewrite(int n, const SectionRecord& section) {
  WriteRecord(*state.Data.File, n, section);
}

void Road::Rewrite(int n, const VariantRecord& variant) {
  WriteRecord(*state.Var.File, n, variant);
}

}  // namespace calvora::testing
