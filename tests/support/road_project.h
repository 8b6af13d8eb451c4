#pragma once
// Test roads: sections and typical cross-sections built from a few numbers, and a road's
// project and working files written into a fresh folder and opened as "Open" opens them.

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "project/project_state.h"
#include "records/project_record.h"
#include "records/section_record.h"
#include "records/variant_record.h"
#include "support/temp_folder.h"

namespace calvora::testing {

// (outward offset, elevation or height) pairs, listed from the centre line outwards.
using OutwardPoints = std::vector<std::pair<double, double>>;

// Writes the rows into rows 1, 2, ... of one side of a record's table, the offsets signed to
// the side (a zero offset stored as 0, not -0).
template <typename Table>
void SetRows(Table& table, int side, const OutwardPoints& rows) {
  for (std::size_t k = 0; k < rows.size(); ++k) {
    const int i = side * static_cast<int>(k + 1);
    table(i, 0) = static_cast<float>(side * rows[k].first + 0.0);
    table(i, 1) = static_cast<float>(rows[k].second);
  }
}

// A section at 1+020.5 of typical cross-section 1.
SectionRecord MakeSection(double prElev, double grElev, const OutwardPoints& left,
                          const OutwardPoints& right);
// Same ground on both sides.
SectionRecord MakeSection(double prElev, double grElev, const OutwardPoints& ground);
void SetStation(SectionRecord& section, double station);

// Template lines (end vertices, outward offset and height above the project elevation), the
// fill slope and the ditch rows in cut and in fill (outward offset, height relative to the
// template end or catch point), the same on both sides. A zero offset is stored as 0, not -0.
VariantRecord MakeVariant(const OutwardPoints& lines, double fillSlope,
                          const OutwardPoints& cutDitch = {}, const OutwardPoints& fillDitch = {});

struct RoadRecords {
  ProjectRecord project;
  std::vector<SectionRecord> sections;
  std::vector<VariantRecord> variants;
};

struct RoadOptions {
  int sections = 9;
  int sectionsPerSheet = 4;
  bool layers = false;  // two compaction layers, 95 % and 90 %
  bool drawDatum = true;
  int badVariantAt = 0;    // this section names a typical cross-section that does not exist
  int narrowGroundAt = 0;  // this section's ground is narrower than the template
  float margin = 1;        // every margin
};

// The drawings' road: every 20 m, ground rising to the left and the project line above, below
// or near it in turn; a template of two lines a side with a ditch and topsoil stripping.
RoadRecords SampleRoad(const RoadOptions& options = {});

// Two 3.5 m lanes on flat ground at 100 m, sections every 20 m at these project elevations;
// embankment slopes 1:2, in cut a 1 m ditch 0.5 m deep and a 1:2 cut slope. A section 1 m above
// the ground holds (7 + 11) / 2 = 9 m2 of fill, one 0.5 m below it 7 m2 of cut. Precise method.
RoadRecords TwoLaneRoad(const std::vector<double>& projectElevations);
// Section n of the two-lane road, its ground reaching groundHalfWidth to each side.
SectionRecord TwoLaneSection(int n, double projectElevation, double groundHalfWidth = 40);

// Writes NAME.PRJ, NAME.DAT and NAME.VAR into the folder; returns the project file's path.
std::filesystem::path WriteRoad(const std::filesystem::path& folder, const RoadRecords& records,
                                const std::string& name = "ROAD");

// Copies the demo road of examples/demo (DEMO.PRJ and its files) into the folder.
void CopyDemoRoad(const std::filesystem::path& folder);

// Opens the project file as "Open" does, the program folder the source data folder; throws when
// "Open" has anything to say.
void OpenProject(ProjectState& state, const std::filesystem::path& projectFile);

// A road written into a fresh folder and opened in `state`.
class Road {
 public:
  explicit Road(const RoadRecords& records, const std::string& name = "ROAD");

  std::filesystem::path File(const std::string& extension) const;
  void Rewrite(int n, const SectionRecord& section);
  void Rewrite(int n, const VariantRecord& variant);

  TempFolder folder;
  ProjectState state;

 private:
  std::string name_;
};

}  // namespace calvora::testing
