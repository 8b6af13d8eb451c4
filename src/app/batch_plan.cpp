// calvora plan P.PRJ [--scale N] (--pdf F | --dxf F [--ascii]): the plan of the road on sheets,
// printed into a PDF document or exported as one DXF drawing.

#include "app/batch_command.h"
#include "app/batch_commands_list.h"
#include "app/batch_dialogs.h"
#include "app/batch_drawing_output.h"
#include "app/batch_project.h"
#include "drawing/plan_sheet.h"
#include "shell/command_table.h"

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
    sheetOptions_.Configure(sub);
    sub.add_option("--scale", scale_, "Scale 1:N of the plan")->capture_default_str();
    output_.Configure(sub, sheetOptions_, nullptr);
  }

  int Run(BatchContext& context) override {
    if (!output_.Chosen()) {
      context.err << "calvora plan: give --pdf FILE.pdf or --dxf FILE.DXF\n";
      return kBatchUsage;
    }
    BatchDialogs dialogs(context.err);
    output_.Answer(dialogs);
    ProjectState state;
    if (!OpenProjectForBatch(state, sheetOptions_.project, context, dialogs,
                             Command(CommandId::Plan)) ||
        !OpenWorkingFileIfNamed(state, WorkingFileKind::Data, dialogs)) {
      return kBatchFailed;
    }
    PlanSheet sheets(state, dialogs);
    sheets.Scale = scale_;
    return output_.Write(sheets, context, dialogs);
  }

 private:
  BatchSheetOptions sheetOptions_;
  double scale_ = kDefaultPlanScale;
  BatchDrawingOutput output_;
};

}  // namespace

std::unique_ptr<BatchCommand> MakePlanCommand() {
  return std::make_unique<PlanCommand>();
}

}  // namespace calvora
