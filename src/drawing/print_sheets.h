#pragma once
// Printing a range of the sheets of a drawing, one sheet per page.

#include "drawing/sheet_printer.h"
#include "drawing/sheet_range.h"
#include "drawing/sheet_set.h"
#include "project/progress.h"

namespace calvora {

// Prints the chosen sheets in the project's font, at the printer's sheet size and with pen
// factor 1; the window's sheet size, pen factor and drawing object are restored afterwards. A
// cancel in the progress stops before the next sheet and ends the document with the sheets
// printed. Returns the number of sheets printed; 0 after a refused range or bad settings.
int PrintSheets(SheetSet& sheets, const SheetRangeChoice& choice, SheetPrinter& printer,
                Progress& progress);

}  // namespace calvora
