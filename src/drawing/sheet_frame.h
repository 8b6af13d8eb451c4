#pragma once
// The part of a sheet inside the project's margins, its user coordinates, and its frame: the
// border with the line closing the title strip, and the three titles in that strip.

#include <cstdint>

#include "drawing/cls_graphic.h"
#include "drawing/sheet_layout.h"
#include "records/project_record.h"

namespace calvora {

// The titles' strip along the bottom of the usable sheet ends at this height.
inline constexpr double kTitleStripTop = 1;

// Palette colours and pen entries of the project that every drawing uses.
inline constexpr std::int16_t kBlack = 0;
inline constexpr std::int16_t kBlue = 1;
inline constexpr std::int16_t kGreen = 2;
inline constexpr std::int16_t kCyan = 3;
inline constexpr std::int16_t kRed = 4;
inline constexpr std::int16_t kMagenta = 5;
inline constexpr int kBorderPen = 0;
inline constexpr int kGroundPen = 1;
inline constexpr int kProjectPen = 2;
inline constexpr int kDecapajePen = 3;
inline constexpr int kLayersPen = 4;

// The sheet less the margins.
SheetSize UsableSheet(const ProjectRecord& project, const SheetSize& sheet);

// User coordinates in which the usable sheet spans x from xOffset - W/2 to xOffset + W/2 and y
// from 0 up to H; gives the usable sheet.
SheetSize ScaleToUsableSheet(clsGraphic& graphic, const ProjectRecord& project,
                             const SheetSize& sheet, double xOffset);

// The border (when the project draws one) and the titles, on layer "0".
void DrawSheetFrame(clsGraphic& graphic, const ProjectRecord& project, const SheetSize& usable,
                    double xOffset, float penFactor);

}  // namespace calvora
