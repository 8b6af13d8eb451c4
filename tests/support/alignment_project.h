#pragma once
// A road project in a temporary folder for the alignment computations and their subcommands:
// the working files ROAD.CRV and ROAD.DAT, loaded into a project state, and records to fill them.

#include <filesystem>
#include <string>
#include <vector>

#include "project/project_state.h"
#include "records/alignment_record.h"
#include "records/section_record.h"
#include "support/road_project.h"
#include "support/run_program.h"
#include "support/temp_folder.h"

namespace calvora::testing {

AlignmentRecord XyRecord(double x, double y);
AlignmentRecord CurveRecord(PointCode code, double station, double radius, double length,
                            double deflection);
AlignmentRecord SpiralRecord(double station, double a);
AlignmentRecord ElevationRecord(double station, double elevation);
AlignmentRecord VerticalCurveRecord(double station, double elevation, double length);
// A section of typical cross-section 1 at the station, its ground at 99 in the centre.
SectionRecord SectionAt(double station, float projectElevation);
// The same with ground points (outward offset, elevation) on each side.
SectionRecord SectionWithGround(double station, const OutwardPoints& left,
                                const OutwardPoints& right);

class AlignmentProject {
 public:
  // The program folder is the project folder; nothing written yet.
  AlignmentProject();
  // Also ROAD.PRJ naming ROAD.DAT, an empty ROAD.VAR and ROAD.CRV, for the subcommands.
  AlignmentProject(const std::vector<AlignmentRecord>& alignment,
                   const std::vector<SectionRecord>& sections);

  // Replaces ROAD.CRV (ROAD.DAT) and loads it.
  void SetAlignment(const std::vector<AlignmentRecord>& records);
  void SetSections(const std::vector<SectionRecord>& sections);
  // Writes a design table into the program folder.
  void WriteTable(const std::string& name, const std::string& text) const;
  // Runs "calvora <arguments>" in the project's folder.
  ProgramRun Run(const std::string& arguments) const;

  std::vector<AlignmentRecord> Alignment(const std::string& name) const;
  std::vector<SectionRecord> Sections() const;
  std::filesystem::path Path(const std::string& name) const { return folder_ / name; }
  ProjectState& State() { return state_; }

 private:
  TempFolder folder_;
  ProjectState state_;
};

struct XyzLine {
  std::string label;
  double station = 0;
  double x = 0;
  double y = 0;
  double z = 0;
};

// The lines of a plan-coordinate file; the station from its label.
std::vector<XyzLine> ReadXyz(const std::filesystem::path& path);

}  // namespace calvora::testing
