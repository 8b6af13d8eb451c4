#pragma once
// A drawing made of sheets of the printer's page (the cross-sections, the longitudinal section,
// the mass-haul diagram): what the sheet windows, printing and DXF export need of it.
//
// The caller sets the drawing state below and the device (Graphic's object); the drawing says
// how many sheets the sheet size gives, why it cannot be drawn, and draws sheet N on Graphic.

#include <string>

#include "drawing/cls_graphic.h"
#include "drawing/sheet_layout.h"
#include "project/project_state.h"
#include "project/user_dialogs.h"

namespace calvora {

// The project's label font as the sheets use it, on paper and on the screen.
GraphicFont SheetFont(const ProjectFont& font);

class SheetSet {
 public:
  SheetSet(const ProjectState& state, UserDialogs& dialogs) : state_(state), dialogs_(dialogs) {}
  virtual ~SheetSet() = default;
  SheetSet(const SheetSet&) = delete;
  SheetSet& operator=(const SheetSet&) = delete;

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

  // Sheets at the current sheet size (0 when SettingsProblem is not empty).
  virtual int SheetCount() const = 0;
  // Why no sheet can be drawn with the project's settings and this sheet size; "" when fine.
  virtual std::string SettingsProblem() const = 0;
  // Draws one sheet on Graphic's object; false when it was not drawn whole.
  virtual bool DrawOnObject(int sheet) = 0;
  // The DXF drawing kind, which names the exported file (kCrossSectionDrawing, ...).
  virtual int DxfKind() const = 0;

 private:
  const ProjectState& state_;
  UserDialogs& dialogs_;
};

}  // namespace calvora
