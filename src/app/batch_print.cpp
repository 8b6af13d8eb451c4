// calvora print: the cross-section sheets printed into a PDF document or PNG images, without a
// display.

#include <algorithm>
#include <filesystem>
#include <memory>
#include <vector>

#include "app/batch_command.h"
#include "app/batch_commands_list.h"
#include "app/batch_dialogs.h"
#include "app/batch_outputs_accepted.h"
#include "app/batch_sheet_options.h"
#include "app/offscreen_application.h"
#include "drawing/cross_sheet.h"
#include "drawing/gui/pdf_sheet_printer.h"
#include "drawing/gui/png_sheet_printer.h"
#include "drawing/print_sheets.h"
#include "drawing/sheet_layout.h"
#include "project/working_files.h"

namespace calvora {

namespace {

class PrintCommand : public BatchCommand {
 public:
  std::string Name() const override { return "print"; }
  std::string Description() const override {
    return "Print cross-section sheets into a PDF (one page per sheet) or PNG images";
  }

  void Configure(CLI::App& sub) override {
    options_.Configure(sub);
    auto* pdf = sub.add_option("--pdf", pdf_, "PDF document to write (this or --png is required)");
    auto* png = sub.add_option("--png", png_,
                               "Folder for one PNG image per sheet (this or --pdf is required)");
    pdf->excludes(png);
    sub.add_flag("--yes,-y", yes_, "Replace an existing document or sheet images");
  }

  int Run(BatchContext& context) override {
    if (pdf_.empty() && png_.empty()) {
      context.err << "calvora print: give --pdf FILE.pdf or --png DIR\n";
      return kBatchUsage;
    }
    BatchDialogs dialogs(context.err);
    dialogs.AnswerYes(yes_);
    ProjectState state;
    if (!options_.OpenProject(state, context, dialogs) || !OutputAccepted(state, dialogs)) {
      return kBatchFailed;
    }
    const OffscreenApplication application;

    CrossSheet sheets(state, dialogs);
    BatchProgress progress(context.err, context.errIsTerminal, "Print");
    std::unique_ptr<SheetPrinter> printer;
    if (!pdf_.empty()) {
      printer = std::make_unique<PdfSheetPrinter>(pdf_, options_.Sheet());
    } else {
      std::filesystem::create_directories(png_);
      printer = std::make_unique<PngSheetPrinter>(png_, options_.Sheet());
    }
    const int printed = PrintSheets(sheets, options_.RangeChoice(), *printer, progress);
    if (printed == 0 || dialogs.ErrorShown()) {
      return kBatchFailed;
    }
    context.out << (pdf_.empty() ? png_ : pdf_) << ": " << printed << " sheet"
                << (printed == 1 ? "" : "s") << '\n';
    return kBatchOk;
  }

 private:
  // The document (or the sheet images) may be written: none is a file of the project, and one
  // that exists is replaced only with --yes (status 2 without).
  bool OutputAccepted(const ProjectState& state, BatchDialogs& dialogs) const {
    std::vector<ReservedFile> outputs;
    if (!pdf_.empty()) {
      outputs.push_back({pdf_, "PDF document of this run"});
    } else {
      const int sheets =
          SheetCount(state.Data.Count(), std::max<int>(state.Project.SectionsPerSheet, 1));
      for (int sheet = 1; sheet <= sheets; ++sheet) {
        outputs.push_back({std::filesystem::path(png_) / PngSheetPrinter::SheetFileName(sheet),
                           "sheet image of this run"});
      }
    }
    return OutputsAccepted(outputs, state, dialogs, "Print");
  }

  BatchSheetOptions options_;
  std::string pdf_;
  std::string png_;
  bool yes_ = false;
};

}  // namespace

std::unique_ptr<BatchCommand> MakePrintCommand() {
  return std::make_unique<PrintCommand>();
}

}  // namespace calvora
