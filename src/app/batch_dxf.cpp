// calvora dxf: the cross-section sheets as a DXF drawing.

#include "app/batch_command.h"
#include "app/batch_commands_list.h"
#include "app/batch_dialogs.h"
#include "app/batch_output_options.h"
#include "app/batch_sheet_options.h"
#include "drawing/cross_sheet.h"
#include "drawing/dxf_sheets.h"

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
    output_.Configure(sub, "Drawing file instead of the proposed name",
                      "Replace an existing drawing");
    sub.add_flag("--ascii", ascii_, "ASCII DXF instead of binary DXF");
  }

  int Run(BatchContext& context) override {
    BatchDialogs dialogs(context.err);
    output_.Answer(dialogs);
    ProjectState state;
    if (!options_.OpenProject(state, context, dialogs)) {
      return kBatchFailed;
    }
    CrossSheet sheets(state, dialogs);
    sheets.Sheet = options_.Sheet();
    BatchProgress progress(context.err, context.errIsTerminal, "DXF");
    const std::string written = ExportSheets(
        sheets, options_.RangeChoice(), ascii_ ? DxfFormat::Ascii : DxfFormat::Binary, progress);
    if (written.empty() || dialogs.ErrorShown()) {
      return kBatchFailed;
    }
    context.out << written << '\n';
    return kBatchOk;
  }

 private:
  BatchSheetOptions options_;
  BatchOutputOptions output_;
  bool ascii_ = false;
};

}  // namespace

std::unique_ptr<BatchCommand> MakeDxfCommand() {
  return std::make_unique<DxfCommand>();
}

}  // namespace calvora
