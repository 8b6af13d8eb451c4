#pragma once
// frmPrintDXF without its widgets: "Print" or "DXF Output", the choice of sheets, and the text
// DXF for drawing programs that read no binary DXF.

#include <string>

#include "drawing/dxf_groups.h"
#include "drawing/sheet_range.h"

namespace calvora {

struct SheetRangeModel {
  enum class Purpose { Print, Export };

  explicit SheetRangeModel(Purpose purpose) : purpose(purpose) {}

  std::string Caption() const { return purpose == Purpose::Print ? "Print" : "DXF Output"; }
  // txtFrom and txtTo take input only for "Pages :  From".
  bool PageFieldsEnabled() const { return choice.Option == SheetRangeOption::Pages; }
  bool OffersTextDxf() const { return purpose == Purpose::Export; }
  DxfFormat Format() const { return textDxf ? DxfFormat::Ascii : DxfFormat::Binary; }

  Purpose purpose;
  SheetRangeChoice choice;
  bool textDxf = false;
};

}  // namespace calvora
