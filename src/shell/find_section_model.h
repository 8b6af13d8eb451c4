#pragma once
// frmFindSec without its widgets: finds a record of the survey data file or the alignment file
// by its number or by its station. Mode and answer pass through the tag, as the editors and the
// cross-section drawing expect.

#include <string>

#include "project/project_state.h"
#include "project/user_dialogs.h"

namespace calvora {

inline constexpr const char* kDataFindTag = "Data-Find";
inline constexpr const char* kAlignFindTag = "CRV-Find";
inline constexpr const char* kFoundTag = "True";
inline constexpr const char* kNotFoundTag = "False";

class FindSectionModel {
 public:
  virtual ~FindSectionModel() = default;

  static constexpr int kByNumber = 0;
  static constexpr int kByStation = 1;

  // On activation: search by number.
  void Activate() { Choose(kByNumber); }
  // optFind(0) or optFind(1).
  void Choose(int option) { option_ = option == kByStation ? kByStation : kByNumber; }
  int Option() const { return option_; }
  bool NumberEnabled() const { return option_ == kByNumber; }
  bool StationEnabled() const { return option_ == kByStation; }

  // OK: searches the file the tag names and moves its current record when found; the tag is
  // then "True", else "False" (after "Section not found.", "Not found." or the refusal of a
  // number no record can hold). The dialog closes either way.
  virtual void Ok(ProjectState& state, UserDialogs& dialogs);
  // Whether the dialog asks for a range: its "To" fields shown.
  virtual bool Ranged() const { return false; }
  // Cancel: the tag is "False".
  void Cancel() { Tag = kNotFoundTag; }
  bool Found() const { return Tag == kFoundTag; }

  std::string Tag;
  std::string txtFromSec;
  std::string txtFromStaKm;
  std::string txtFromStaMet;
  std::string txtToSec;
  std::string txtToStaKm;
  std::string txtToStaMet;

 private:
  int option_ = kByNumber;
};

}  // namespace calvora
