#pragma once
// A DXF drawing of sheets side by side, written through a scratch file renamed over the target
// when it is complete; any sheet drawing (cross-sections, the plan) draws into it.

#include <filesystem>
#include <functional>
#include <string>

#include "drawing/cls_graphic.h"
#include "drawing/dxf_groups.h"
#include "project/progress.h"
#include "project/user_dialogs.h"

namespace calvora {

// Placement of consecutive sheets in the drawing, in sheet widths.
inline constexpr double kDxfSheetSpacing = 1.05;

struct DxfSheets {
  int first = 1;
  int last = 0;
  double sheetWidth = 0;  // drawing units
  // Draws one sheet on the graphic at x offset.
  std::function<void(int sheet, double xOffset)> draw;
};

// Writes the sheets into fileName on a DXF device set on the graphic (and taken off again). A
// write error shows the system's text with Retry and Cancel; a cancel in the progress stops
// before the next sheet, the drawing closed properly. Returns fileName, or "" when the
// definitions file is missing or the person cancelled after an error.
std::string WriteDxfSheets(const std::string& fileName, const std::filesystem::path& programDir,
                           DxfFormat format, clsGraphic& graphic, float fontSize,
                           const DxfSheets& sheets, UserDialogs& dialogs, Progress& progress);

}  // namespace calvora
