#pragma once
// A project state over working files made in a temporary folder, records to fill them, and a
// reader for the plan-coordinate file.

#include <filesystem>
#include <string>
#include <vector>

#include "project/project_state.h"
#include "records/alignment_record.h"
#include "records/section_record.h"
#include "support/temp_folder.h"

namespace calvora::testing {

AlignmentRecord XyRecord(double x, double y);
AlignmentRecord CurveRecord(PointCode code, double station, double radius, double length,
                            double deflection);
AlignmentRecord SpiralRecord(double station, double a);
AlignmentRecord ElevationRecord(double station, double elevation);
AlignmentRecord VerticalCurveRecord(double station, double elevation, double length);
SectionRecord SectionAt(double station, float projectElevation);

class AlignmentProject {
 public:
  AlignmentProject();

  // Replaces the alignment file ROAD.CRV and loads it.
  void SetAlignment(const std::vector<AlignmentRecord>& records);
  // Replaces the survey data file ROAD.DAT and loads it.
  void SetSections(const std::vector<SectionRecord>& sections);
  // Writes a design table into the program folder.
  void WriteTable(const std::string& name, const std::string& text) const;

  std::vector<AlignmentRecord> ReadAlignmentFile(const std::filesystem::path& path) const;
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
