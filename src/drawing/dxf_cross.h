#pragma once
// The DXF export of a range of cross-section sheets.

#include <string>

#include "drawing/cross_sheet.h"
#include "drawing/dxf_groups.h"
#include "drawing/dxf_sheets.h"
#include "drawing/sheet_range.h"
#include "project/progress.h"

namespace calvora {

// Writes the chosen sheets side by side into a drawing named in the save dialog (proposed from
// the survey data file with "_C.DXF"), through a scratch file renamed over the target when it
// is complete: a refused range, a cancelled name or a missing definitions file leave no file.
// A cancel in the progress stops before the next sheet; the sheets drawn stay, the drawing is
// closed properly. Returns the name of the file written, "" when none.
std::string DXFCross(CrossSheet& sheets, const SheetRangeChoice& choice, DxfFormat format,
                     Progress& progress);

}  // namespace calvora
