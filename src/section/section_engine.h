#pragma once
// The section engine: places a section's typical cross-section on its surveyed ground.

#include "project/project_state.h"
#include "records/project_record.h"
#include "records/record_file.h"
#include "records/record_read_ahead.h"
#include "section/section_lines.h"
#include "section/section_results.h"

namespace calvora {

class SectionEngine {
 public:
  // ComputeSection: reads section `record` of the survey data file and its typical
  // cross-section from the typical cross-section file (fresh copies, every call, decoded from
  // bytes read ahead in blocks while the file is unchanged), builds the
  // bodies and returns the station in metres (Kilo * 1000 + Meter, single precision), or -1
  // when the variant number is bad (nothing else computed). It asks nobody: the bad variant
  // number and data errors are kept in Results().Messages for the caller to show, and a data
  // error leaves Results().Invalid set. A record that cannot be read (record
  // outside 1..count, I/O failure) throws FileError. Uses Thickness, DecaMethod and DecaThick
  // of the project. Results() stays valid until the next call.
  float ComputeSection(const RecordFile& dataFile, const RecordFile& varFile,
                       const ProjectRecord& project, int record);
  // The same on the project's open working files; never touches DataRec or VarRec. With no
  // typical cross-section file loaded every variant number is bad.
  float ComputeSection(const ProjectState& state, int record);
  // The same on a section given rather than read (a section being typed, not yet saved): no
  // data file is read; record is the number its messages name.
  float ComputeSection(const SectionRecord& section, const RecordFile* varFile,
                       const ProjectRecord& project, int record);

  const SectionResults& Results() const { return results_; }

 private:
  float Compute(const RecordFile* varFile, const ProjectRecord& project, int record);
  void ClearResults();

  SectionResults results_;
  SectionLines lines_;
  RecordReadAhead sectionBytes_{64};
  RecordReadAhead variantBytes_{16};
};

}  // namespace calvora
