#pragma once
// A small road project written into a folder for the drawing tests: a project file, a survey
// data file with sections in fill, in cut and in between, and one typical cross-section.
// Header only, so that the batch-command tests can use it too.

#include <cmath>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "records/project_record.h"
#include "records/record_file.h"
#include "records/section_record.h"
#include "records/variant_record.h"

namespace calvora::testing {

struct RoadOptions {
  int sections = 9;
  int sectionsPerSheet = 4;
  bool layers = false;  // two compaction layers, 95 % and 90 %
  bool drawDatum = true;
  int badVariantAt = 0;    // this section names a typical cross-section that does not exist
  int narrowGroundAt = 0;  // this section's ground is narrower than the template
  float margin = 1;        // every margin
};

inline VariantRecord RoadVariant() {
  VariantRecord v;
  for (int s = -1; s <= 1; s += 2) {
    v.Point(s * 1, 0) = static_cast<float>(s) * 3.5f;
    v.Point(s * 1, 1) = -0.07f;
    v.Point(s * 2, 0) = static_cast<float>(s) * 4.5f;
    v.Point(s * 2, 1) = -0.12f;
    v.LineCount[s] = static_cast<float>(2 * s);
    v.FillSlope[s] = 0.6667f;
    v.CutTran(s * 1, 0) = static_cast<float>(s) * 0.8f;
    v.CutTran(s * 1, 1) = -0.6f;
    v.CutTran(s * 2, 0) = static_cast<float>(s) * 1.2f;
    v.CutTran(s * 2, 1) = -0.6f;
    v.CutTran(s * 3, 0) = static_cast<float>(s) * 3.2f;
    v.CutTran(s * 3, 1) = 1.4f;
  }
  v.Deco = 0.2f;
  return v;
}

// Section i (1-based): every 20 m, ground rising to the left, the project line above, below or
// near the ground in turn.
inline SectionRecord RoadSection(int i, const RoadOptions& options) {
  SectionRecord r;
  const double station = 20.0 * (i - 1);
  r.Kilo = static_cast<std::int16_t>(station / 1000);
  r.Meter = static_cast<float>(station - 1000.0 * r.Kilo);
  r.GRElev = static_cast<float>(100 + 0.02 * station + 0.3 * std::sin(i));
  constexpr float kRise[] = {1.5f, -1.2f, 0.3f};
  r.PRElev = r.GRElev + kRise[(i - 1) % 3];
  r.Var = static_cast<std::int16_t>(i == options.badVariantAt ? 7 : 1);
  constexpr float kOffsets[] = {2, 5, 9, 14, 20, 30};
  const int points = i == options.narrowGroundAt ? 1 : 6;
  for (int s = -1; s <= 1; s += 2) {
    r.PointCount[s] = static_cast<std::int16_t>(s * points);
    for (int k = 1; k <= points; ++k) {
      const float x = static_cast<float>(s) * kOffsets[k - 1];
      r.GroundPoints(s * k, 0) = x;
      r.GroundPoints(s * k, 1) = r.GRElev - 0.06f * x + 0.05f * static_cast<float>(k % 2);
    }
  }
  return r;
}

// Writes ROAD.PRJ, ROAD.DAT and ROAD.VAR into the folder; returns the project file's path.
inline std::filesystem::path WriteRoadProject(const std::filesystem::path& folder,
                                              const RoadOptions& options = {}) {
  ProjectRecord project;
  InitialiseNewProject(project);
  project.DataFile = (folder / "ROAD.DAT").string();
  project.VariantFile = (folder / "ROAD.VAR").string();
  project.TitleLeft = "Test road";
  project.TitleCenter = "Cross sections";
  project.TitleRight = "Sheet";
  project.SectionsPerSheet = static_cast<std::int16_t>(options.sectionsPerSheet);
  project.DrawDatum = options.drawDatum ? -1 : 0;
  project.Margin = {options.margin, options.margin, options.margin, options.margin};
  project.Pen = {1, 1, 2, 1, 1};
  if (options.layers) {
    project.Compaction = {95, 90, 0, 0, 0};
    project.Thickness = {0.3f, 0.3f, 0, 0, 0};
  }
  const std::filesystem::path projectPath = folder / "ROAD.PRJ";
  {
    RecordFile file(projectPath, ProjectRecord::kLength);
    WriteRecord(file, 1, project);
  }
  RecordFile data(folder / "ROAD.DAT", SectionRecord::kLength);
  for (int i = 1; i <= options.sections; ++i) {
    WriteRecord(data, i, RoadSection(i, options));
  }
  RecordFile variants(folder / "ROAD.VAR", VariantRecord::kLength);
  WriteRecord(variants, 1, RoadVariant());
  return projectPath;
}

}  // namespace calvora::testing

#include "project/project_commands.h"
#include "project/shell_window.h"

namespace calvora::testing {

// Opens the project as "Open" does; the program folder is the source data folder.
inline void OpenRoad(ProjectState& state, const std::filesystem::path& projectPath,
                     UserDialogs& dialogs,
                     const std::filesystem::path& appDir = CALVORA_SOURCE_DIR "/data") {
  NoShellWindow window;
  state.AppDir = appDir;
  if (!OpenExistingProject(state, projectPath.string(), window, dialogs)) {
    throw std::runtime_error("test road does not open");
  }
}

}  // namespace calvora::testing
