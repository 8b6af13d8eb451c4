#include "app/batch_drawing_output.h"

#include "app/offscreen_application.h"
#include "drawing/dxf_sheets.h"
#include "drawing/gui/pdf_sheet_printer.h"
#include "drawing/print_sheets.h"
#include "project/prompt_output_file.h"
#include "project/working_files.h"
#include "records/file_error.h"

namespace calvora {

void BatchDrawingOutput::Configure(CLI::App& sub, BatchSheetOptions& sheetOptions,
                                   CLI::Option* exclusive) {
  sheetOptions_ = &sheetOptions;
  auto* pdf = sub.add_option("--pdf", pdf_, "PDF document to write, one page a sheet");
  auto* dxf = sub.add_option("--dxf", dxf_, "DXF drawing to write, the sheets side by side");
  sub.add_flag("--ascii", ascii_, "ASCII DXF instead of binary DXF")->needs(dxf);
  sub.add_flag("--yes,-y", yes_, "Replace an existing document or drawing");
  pdf->excludes(dxf);
  if (exclusive != nullptr) {
    exclusive->excludes(pdf)->excludes(dxf);
  }
}

void BatchDrawingOutput::Answer(BatchDialogs& dialogs) const {
  dialogs.AnswerYes(yes_);
  if (Chosen()) {
    dialogs.AnswerSaveFile(pdf_.empty() ? dxf_ : pdf_);
  }
}

int BatchDrawingOutput::Write(SheetSet& sheets, BatchContext& context,
                              BatchDialogs& dialogs) const {
  sheets.Sheet = sheetOptions_->Sheet();
  if (const std::string problem = sheets.SettingsProblem(); !problem.empty()) {
    dialogs.Message(problem);
    return kBatchFailed;
  }
  BatchProgress progress(context.err, context.errIsTerminal, "Sheets");
  std::string written;
  if (!dxf_.empty()) {
    written = ExportSheets(sheets, sheetOptions_->RangeChoice(),
                           ascii_ ? DxfFormat::Ascii : DxfFormat::Binary, progress);
  } else {
    written = PromptOutputFile(pdf_, ".PDF", dialogs, ProjectFilesOf(sheets.State()));
    if (!written.empty()) {
      const OffscreenApplication application;
      try {
        PdfSheetPrinter printer(written, sheets.Sheet);
        if (PrintSheets(sheets, sheetOptions_->RangeChoice(), printer, progress) == 0) {
          written.clear();
        }
      } catch (const FileError& error) {
        dialogs.Message(error.what());
        written.clear();
      }
    }
  }
  if (written.empty() || dialogs.ErrorShown()) {
    return kBatchFailed;
  }
  context.out << "Written:\n  " << written << '\n';
  return kBatchOk;
}

}  // namespace calvora
