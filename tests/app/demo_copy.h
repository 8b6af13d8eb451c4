#pragma once
// A copy of the demo road in a temporary folder, changed as a test needs, and the calvora
// executable run on it.

#include <filesystem>
#include <functional>
#include <string>

#include "records/project_record.h"
#include "records/record_file.h"
#include "records/section_record.h"
#include "support/road_project.h"
#include "support/run_program.h"
#include "support/temp_folder.h"

namespace calvora::testing {

class DemoCopy {
 public:
  DemoCopy() { CopyDemoRoad(folder_.Path()); }
  const std::filesystem::path& Path() const { return folder_.Path(); }
  std::filesystem::path operator/(const std::string& name) const { return folder_ / name; }
  FolderSnapshot Files() const { return Snapshot(folder_.Path()); }

  void ChangeProject(const std::function<void(ProjectRecord&)>& change) const {
    Change<ProjectRecord>("DEMO.PRJ", 1, change);
  }
  void ChangeSection(int n, const std::function<void(SectionRecord&)>& change) const {
    Change<SectionRecord>("DEMO.DAT", n, change);
  }

  ProgramRun Calvora(const std::string& arguments) const {
    return RunCalvora(arguments, folder_.Path());
  }

 private:
  template <typename Record>
  void Change(const std::string& name, int n, const std::function<void(Record&)>& change) const {
    RecordFile file(folder_ / name, Record::kLength);
    Record record = ReadRecord<Record>(file, n);
    change(record);
    WriteRecord(file, n, record);
  }

  TempFolder folder_;
};

}  // namespace calvora::testing
