#pragma once
// The cross-section sheets of a project: the drawing state of the cross-section window (current
// sheet, sheet size, pen factor, x offset, the drawing object) and the drawing of one sheet
// through clsGraphic, for the screen, the printer and a DXF file alike.

#include <string>

#include "drawing/cls_graphic.h"
#include "drawing/sheet_layout.h"
#include "project/project_state.h"
#include "project/user_dialogs.h"
#include "section/section_engine.h"

namespace calvora {

// The project's label font as the sheets use it, on paper and on the screen.
GraphicFont SheetFont(const ProjectFont& font);

// Text of the note drawn on a section whose computation met a data error.
inline constexpr const char* kDataErrorNote = "Data Error";

class CrossSheet {
 public:
  CrossSheet(const ProjectState& state, UserDialogs& dialogs) : state_(state), dialogs_(dialogs) {}

  int CurrentSheet = 1;
  // Sheet size in drawing units (page size / 288), before the margins.
  SheetSize Sheet;
  // Multiplier of every pen width of the project (the screen: 1 / zoom).
  float PenFactor = 1;
  // Horizontal offset of the sheet being drawn (DXF: grows by 1.05 sheet widths per sheet).
  double XOffset = 0;
  // The drawing object; its Object is set by the caller.
  clsGraphic Graphic;

  const ProjectState& State() const { return state_; }
  UserDialogs& Dialogs() { return dialogs_; }
  int SheetCount() const;
  // Why no sheet can be drawn with the project's settings and this sheet size; "" when fine.
  std::string SettingsProblem() const;

  // Draws one sheet on the drawing object. False when it was not drawn whole: a section with a
  // bad typical cross-section number ended it (the engine showed its message), or the settings
  // leave no sheet (SettingsProblem).
  bool DrawOnObject(int sheet);

 private:
  struct Band;
  void DrawSection(int record, const Band& band);
  void DrawDecoration(double usableWidth);

  const ProjectState& state_;
  UserDialogs& dialogs_;
  SectionEngine engine_;
};

}  // namespace calvora
