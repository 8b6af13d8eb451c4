#pragma once
// The cross-section sheets of a project: a few sections a sheet, each sheet drawn through
// clsGraphic for the screen, the printer and a DXF file alike.

#include <string>

#include "drawing/sheet_set.h"
#include "section/section_engine.h"

namespace calvora {

// Text of the note drawn on a section whose computation met a data error.
inline constexpr const char* kDataErrorNote = "Data Error";

class CrossSheet : public SheetSet {
 public:
  using SheetSet::SheetSet;

  int SheetCount() const override;
  std::string SettingsProblem() const override;
  // False when the sheet was not drawn whole: a section with a bad typical cross-section number
  // ended it (the engine showed its message), or the settings leave no sheet (SettingsProblem).
  bool DrawOnObject(int sheet) override;
  int DxfKind() const override;

 private:
  struct Band;
  void DrawSection(int record, const Band& band);

  SectionEngine engine_;
};

}  // namespace calvora
