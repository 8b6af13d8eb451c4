#include "drawing/plan_output.h"

#include "drawing/cross_sheet.h"
#include "drawing/dxf_file.h"
#include "drawing/dxf_sheets.h"
#include "drawing/plan_sheets.h"
#include "drawing/print_sheets.h"
#include "project/working_files.h"

namespace calvora {

namespace {

constexpr int kPlanDrawing = 4;  // "_P.DXF"

}  // namespace

int PrintPlan(const ProjectState& state, double denominator, SheetPrinter& printer,
              Progress& progress) {
  const PlanSheets plan(state, printer.PageSheet(), denominator);
  clsGraphic graphic;
  graphic.SetFont(SheetFont(state.Project.Font));
  return PrintSheets(
      printer, graphic, 1, plan.SheetCount(), [&](int sheet) { plan.DrawSheet(graphic, sheet); },
      progress);
}

std::string DxfPlan(const ProjectState& state, double denominator, SheetSize sheet,
                    DxfFormat format, UserDialogs& dialogs, Progress& progress) {
  const std::string base = state.Align.File ? state.Align.File->Path().string() : "";
  const std::string fileName = PromptDxfFile(kPlanDrawing, base, dialogs, ProjectFilesOf(state));
  if (fileName.empty()) {
    return "";
  }
  const PlanSheets plan(state, sheet, denominator);
  clsGraphic graphic;
  const DxfSheets drawn{1, plan.SheetCount(), sheet.Width,
                        [&](int n, double xOffset) { plan.DrawSheet(graphic, n, xOffset); }};
  return WriteDxfSheets(fileName, state.AppDir, format, graphic,
                        static_cast<float>(state.Project.Font.Size / 10.0), drawn, dialogs,
                        progress);
}

}  // namespace calvora
