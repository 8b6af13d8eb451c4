#pragma once
// The range of sections that "Assign" gives a typical cross-section: the find dialog with its
// "To" fields, by section number (from and to inclusive) or by station (every section whose
// station lies from the one station to the other). An empty "From" starts at the first
// section, an empty "To" ends at the last.

#include <vector>

#include "shell/find_section_model.h"

namespace calvora {

class SectionRangeModel : public FindSectionModel {
 public:
  SectionRangeModel() { Tag = kDataFindTag; }

  // OK: the tag is "True" when the range holds a section, else "False" after a message.
  void Ok(ProjectState& state, UserDialogs& dialogs) override;
  bool Ranged() const override { return true; }

  // The sections of the range, in file order.
  const std::vector<int>& Records() const { return records_; }

 private:
  void ByNumber(const WorkingFile& file, UserDialogs& dialogs);
  void ByStation(const WorkingFile& file, UserDialogs& dialogs);

  std::vector<int> records_;
};

}  // namespace calvora
