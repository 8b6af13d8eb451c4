// calvora print: the cross-section sheets printed into a PDF document or PNG images, without a
// display.

#include <QGuiApplication>
#include <filesystem>
#include <memory>

#include "app/batch_command.h"
#include "app/batch_commands_list.h"
#include "app/batch_sheet_options.h"
#include "drawing/cross_sheet.h"
#include "drawing/gui/pdf_sheet_printer.h"
#include "drawing/gui/png_sheet_printer.h"
#include "drawing/print_cross.h"
#include "app/batch_dialogs.h"

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
    auto* pdf = sub.add_option("--pdf", pdf_, "PDF document to write");
    auto* png = sub.add_option("--png", png_, "Folder for one PNG image per sheet");
    pdf->excludes(png);
  }

  int Run(BatchContext& context) override {
    if (pdf_.empty() && png_.empty()) {
      context.err << "calvora print: give --pdf FILE.pdf or --png DIR\n";
      return kBatchUsage;
    }
    BatchDialogs dialogs(context.err);
    ProjectState state;
    if (!options_.OpenProject(state, context, dialogs)) {
      return kBatchFailed;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "calvora";
    char* argv[] = {name, nullptr};
    QGuiApplication application(argc, argv);

    CrossSheet sheets(state, dialogs);
    BatchProgress progress(context.err, context.errIsTerminal, "Print");
    std::unique_ptr<SheetPrinter> printer;
    if (!pdf_.empty()) {
      printer = std::make_unique<PdfSheetPrinter>(pdf_, options_.Sheet());
    } else {
      std::filesystem::create_directories(png_);
      printer = std::make_unique<PngSheetPrinter>(png_, options_.Sheet());
    }
    const int printed = PrintCross(sheets, options_.RangeChoice(), *printer, progress);
    if (printed == 0) {
      return kBatchFailed;
    }
    context.out << (pdf_.empty() ? png_ : pdf_) << ": " << printed << " sheet"
                << (printed == 1 ? "" : "s") << '\n';
    return kBatchOk;
  }

 private:
  BatchSheetOptions options_;
  std::string pdf_;
  std::string png_;
};

}  // namespace

std::unique_ptr<BatchCommand> MakePrintCommand() {
  return std::make_unique<PrintCommand>();
}

}  // namespace calvora
