// calvora dxf: the cross-section sheets as a DXF drawing.

#include "app/batch_command.h"
#include "app/batch_commands_list.h"
#include "app/batch_sheet_options.h"
#include "drawing/cross_sheet.h"
#include "drawing/dxf_cross.h"
#include "shell/batch_dialogs.h"

namespace calvora {

namespace {

class DxfCommand : public BatchCommand {
 public:
  std::string Name() const override { return "dxf"; }
  std::string Description() const override {
    return "Export cross-section sheets as a DXF drawing (_C.DXF beside the survey data file)";
  }

  void Configure(CLI::App& sub) override {
    options_.Configure(sub);
    sub.add_option("--out", out_, "Drawing file instead of the proposed name");
    sub.add_flag("--ascii", ascii_, "ASCII DXF instead of binary DXF");
    sub.add_flag("--yes,-y", yes_, "Replace an existing drawing");
  }

  int Run(BatchContext& context) override {
    BatchDialogs dialogs(context.err);
    dialogs.AnswerYes(yes_);
    if (!out_.empty()) {
      dialogs.AnswerSaveFile(out_);
    }
    ProjectState state;
    if (!options_.OpenProject(state, context, dialogs)) {
      return kBatchFailed;
    }
    CrossSheet sheets(state, dialogs);
    sheets.Sheet = options_.Sheet();
    BatchProgress progress(context.err, context.errIsTerminal, "DXF");
    const std::string written = DXFCross(sheets, options_.RangeChoice(),
                                         ascii_ ? DxfFormat::Ascii : DxfFormat::Binary, progress);
    if (written.empty()) {
      return kBatchFailed;
    }
    context.out << written << '\n';
    return kBatchOk;
  }

 private:
  BatchSheetOptions options_;
  std::string out_;
  bool ascii_ = false;
  bool yes_ = false;
};

}  // namespace

std::unique_ptr<BatchCommand> MakeDxfCommand() {
  return std::make_unique<DxfCommand>();
}

}  // namespace calvora
