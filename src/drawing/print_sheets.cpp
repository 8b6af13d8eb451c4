#include "drawing/print_sheets.h"

namespace calvora {

int PrintSheets(SheetPrinter& printer, clsGraphic& graphic, int first, int last,
                const std::function<void(int sheet)>& draw, Progress& progress) {
  progress.Start(last - first + 1);
  int printed = 0;
  for (int sheet = first; sheet <= last; ++sheet) {
    graphic.SetObject(printer.StartSheet(sheet));
    draw(sheet);
    graphic.ClearObject();  // the page's device ends with its sheet
    printer.EndSheet();
    ++printed;
    if (progress.Step(printed)) {
      break;
    }
  }
  progress.Finish();
  printer.EndDoc();
  return printed;
}

}  // namespace calvora
