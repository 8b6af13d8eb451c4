// calvora plan P.PRJ [--scale N] (--pdf F | --dxf F [--ascii]): the plan of the road on sheets,
// printed into a PDF document or exported as one DXF drawing.

#include "app/batch_command.h"
#include "app/batch_commands_list.h"
#include "app/batch_dialogs.h"
#include "app/batch_outputs_accepted.h"
#include "app/batch_project.h"
#include "app/offscreen_application.h"
#include "drawing/gui/pdf_sheet_printer.h"
#include "drawing/plan_output.h"
#include "drawing/plan_sheets.h"
#include "project/working_files.h"

namespace calvora {

namespace {

class PlanCommand : public BatchCommand {
 public:
  std::string Name() const override { return "plan"; }
  std::string Description() const override {
    return "Draw the plan of the road (axis, stations, main points, curve table, sections) "
           "into a PDF or a DXF drawing";
  }

  void Configure(CLI::App& sub) override {
    sub.add_option("project", project_, "The project file (.PRJ)")->required();
    sub.add_option("--scale", scale_, "Scale 1:N of the plan (default 1000)")
        ->check(CLI::Range(1.0, 1e6));
    sub.add_option("--page", page_, "Sheet size: A4, A3 (default) or letter")
        ->check(CLI::IsMember({"A4", "A3", "letter"}));
    sub.add_flag("--portrait", portrait_, "Upright sheets instead of landscape");
    auto* pdf = sub.add_option("--pdf", pdf_, "PDF document to write (this or --dxf is required)");
    auto* dxf = sub.add_option("--dxf", dxf_, "DXF drawing to write (this or --pdf is required)");
    pdf->excludes(dxf);
    sub.add_flag("--ascii", ascii_, "ASCII DXF instead of binary DXF");
    sub.add_flag("--yes,-y", yes_, "Replace an existing document or drawing");
  }

  int Run(BatchContext& context) override {
    if (pdf_.empty() == dxf_.empty()) {
      context.err << "calvora plan: give --pdf FILE.pdf or --dxf FILE.DXF\n";
      return kBatchUsage;
    }
    BatchDialogs dialogs(context.err);
    dialogs.AnswerYes(yes_);
    ProjectState state;
    if (!OpenProjectForBatch(state, project_, context, dialogs,
                             {WorkingFileKind::Alignment, WorkingFileKind::Data})) {
      return kBatchFailed;
    }
    const SheetSize sheet = SheetSizeOf(page_ == "A4"   ? PageFormat::A4
                                        : page_ == "A3" ? PageFormat::A3
                                                        : PageFormat::Letter,
                                        !portrait_);
    BatchProgress progress(context.err, context.errIsTerminal, "Plan");
    std::string written;
    if (!dxf_.empty()) {
      dialogs.AnswerSaveFile(dxf_);
      written = DxfPlan(state, scale_, sheet, ascii_ ? DxfFormat::Ascii : DxfFormat::Binary,
                        dialogs, progress);
    } else if (OutputsAccepted({{pdf_, "PDF document of this run"}}, state, dialogs, "Plan")) {
      const OffscreenApplication application;
      PdfSheetPrinter printer(pdf_, sheet);
      if (PrintPlan(state, scale_, printer, progress) > 0) {
        written = pdf_;
      }
    }
    if (written.empty() || dialogs.ErrorShown()) {
      return kBatchFailed;
    }
    context.out << written << '\n';
    return kBatchOk;
  }

 private:
  std::string project_;
  double scale_ = kDefaultPlanScale;
  std::string page_ = "A3";
  bool portrait_ = false;
  std::string pdf_;
  std::string dxf_;
  bool ascii_ = false;
  bool yes_ = false;
};

}  // namespace

std::unique_ptr<BatchCommand> MakePlanCommand() {
  return std::make_unique<PlanCommand>();
}

}  // namespace calvora
