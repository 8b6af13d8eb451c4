#pragma once
// Where a batch command puts the sheets of a drawing along the road: --pdf (one page a sheet)
// or --dxf with --ascii, --yes to replace the file; with the page options of the sheet
// commands (--sheets, --page, --landscape).

#include <CLI/CLI.hpp>
#include <string>

#include "app/batch_command.h"
#include "app/batch_dialogs.h"
#include "app/batch_sheet_options.h"
#include "drawing/sheet_set.h"

namespace calvora {

class BatchDrawingOutput {
 public:
  // The options; --pdf and --dxf exclude each other and the given flag (--json), if any.
  void Configure(CLI::App& sub, BatchSheetOptions& sheetOptions, CLI::Option* exclusive);
  bool Chosen() const { return !pdf_.empty() || !dxf_.empty(); }
  // Answers the save-file and replace questions; call before the project opens.
  void Answer(BatchDialogs& dialogs) const;
  // The sheets written at the page's sheet size; a setting or scale that cannot be drawn is
  // refused before any file is named. Prints the file and the sheet count; the exit status.
  int Write(SheetSet& sheets, BatchContext& context, BatchDialogs& dialogs) const;

 private:
  const BatchSheetOptions* sheetOptions_ = nullptr;
  std::string pdf_;
  std::string dxf_;
  bool ascii_ = false;
  bool yes_ = false;
};

}  // namespace calvora
