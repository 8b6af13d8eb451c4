#include "drawing/plan_sheet.h"

#include "drawing/dxf_file.h"
#include "numbers/number_text.h"
#include "project/working_file_version.h"

namespace calvora {

PlanSheet::DrawnFrom PlanSheet::Sources() const {
  return {Sheet.Width, Sheet.Height, Scale, FileVersion(State().Data), FileVersion(State().Align)};
}

const PlanSheets& PlanSheet::Plan() const {
  if (!plan_ || !(planFrom_ == Sources())) {
    plan_.emplace(State(), Sheet, Scale);
    planFrom_ = Sources();
  }
  return *plan_;
}

std::string PlanSheet::SettingsProblem() const {
  if (const auto problem = ScaleProblem("scale", Scale)) {
    return *problem;
  }
  if (Plan().Layout().TooManySheets()) {
    return "Cannot draw the sheets: the scale 1:" + PlainNumber(Scale) + " needs more than " +
           std::to_string(kMostSheets) + " sheets.";
  }
  return "";
}

int PlanSheet::SheetCount() const {
  return SettingsProblem().empty() ? Plan().SheetCount() : 0;
}

bool PlanSheet::DrawOnObject(int sheet) {
  if (!SettingsProblem().empty() || sheet < 1 || sheet > SheetCount()) {
    return false;
  }
  Plan().DrawSheet(Graphic, sheet, XOffset);
  return true;
}

int PlanSheet::DxfKind() const {
  return kPlanDrawing;
}

}  // namespace calvora
