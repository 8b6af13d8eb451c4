#pragma once
// Printing sheets one per page, whatever draws them (cross-sections, the plan).

#include <functional>

#include "drawing/cls_graphic.h"
#include "drawing/sheet_printer.h"
#include "project/progress.h"

namespace calvora {

// Prints sheets first..last: each page's device is set on the graphic while draw draws that
// sheet on it. A cancel in the progress stops before the next sheet and ends the document with
// the sheets printed. Returns the number of sheets printed.
int PrintSheets(SheetPrinter& printer, clsGraphic& graphic, int first, int last,
                const std::function<void(int sheet)>& draw, Progress& progress);

}  // namespace calvora
