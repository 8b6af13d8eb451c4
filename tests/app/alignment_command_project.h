#pragma once
// A small road project on disk for the alignment and survey-data subcommands, and a way to run
// the calvora executable on it.

#include <filesystem>
#include <string>
#include <vector>

#include "records/alignment_record.h"
#include "records/section_record.h"
#include "support/temp_folder.h"

namespace calvora::testing {

struct CommandRun {
  int status = -1;
  std::string out;
  std::string err;
};

class AlignmentCommandProject {
 public:
  // ROAD.PRJ naming ROAD.DAT, ROAD.VAR (empty) and ROAD.CRV, filled with the records given.
  AlignmentCommandProject(const std::vector<AlignmentRecord>& alignment,
                          const std::vector<SectionRecord>& sections);

  // Runs "calvora <arguments>" in the project's folder.
  CommandRun Run(const std::string& arguments) const;

  std::filesystem::path Path(const std::string& name) const { return folder_ / name; }
  std::vector<AlignmentRecord> Alignment(const std::string& name) const;
  std::vector<SectionRecord> Sections() const;
  void SetAlignment(const std::vector<AlignmentRecord>& records) const;

 private:
  TempFolder folder_;
};

AlignmentRecord XyPoint(double x, double y);
AlignmentRecord ElevationPoint(double station, double elevation);
SectionRecord SectionWithGround(double station, float groundOffset);

}  // namespace calvora::testing
