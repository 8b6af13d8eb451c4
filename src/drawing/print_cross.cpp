#include "drawing/print_cross.h"

#include <optional>

#include "drawing/print_sheets.h"

namespace calvora {

namespace {

// Puts the window's sheet size, pen factor and drawing object back after printing.
class PrintScope {
 public:
  explicit PrintScope(CrossSheet& sheets)
      : sheets_(sheets),
        sheet_(sheets.Sheet),
        penFactor_(sheets.PenFactor),
        object_(sheets.Graphic.Object()),
        font_(sheets.Graphic.Font()) {}
  ~PrintScope() {
    sheets_.Sheet = sheet_;
    sheets_.PenFactor = penFactor_;
    sheets_.Graphic.ClearObject();
    sheets_.Graphic.SetFont(font_);
    if (object_ != nullptr) {
      sheets_.Graphic.SetObject(*object_);
    }
  }
  PrintScope(const PrintScope&) = delete;
  PrintScope& operator=(const PrintScope&) = delete;

 private:
  CrossSheet& sheets_;
  SheetSize sheet_;
  float penFactor_;
  GraphicDevice* object_;
  GraphicFont font_;
};

}  // namespace

int PrintCross(CrossSheet& sheets, const SheetRangeChoice& choice, SheetPrinter& printer,
               Progress& progress) {
  PrintScope scope(sheets);
  sheets.Sheet = printer.PageSheet();
  UserDialogs& dialogs = sheets.Dialogs();
  if (const std::string problem = sheets.SettingsProblem(); !problem.empty()) {
    dialogs.Message(problem);
    return 0;
  }
  const std::optional<SheetRange> range =
      ResolveSheetRange(choice, sheets.SheetCount(), sheets.CurrentSheet, dialogs);
  if (!range) {
    return 0;
  }
  sheets.PenFactor = 1;
  sheets.Graphic.SetFont(SheetFont(sheets.State().Project.Font));
  return PrintSheets(
      printer, sheets.Graphic, range->First, range->Last,
      [&](int sheet) { sheets.DrawOnObject(sheet); }, progress);
}

}  // namespace calvora
