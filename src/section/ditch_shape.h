#pragma once
// The ditches of a typical cross-section as the editor shows and builds them: up to five
// vertices a side, each relative to the template end (not to the vertex before), offsets
// carrying the side's sign; a 0 offset in the first row means no ditch.
//
// The ditch dialog's numbers make the vertices in this order, outwards, each rise taking the
// next slope and the next height field of the dialog, each level stretch the next width:
//   1. the inner side: down to depth D at slope S0 (rise over run): (|D / S0|, -D);
//   2. the bottom, W wide: (+|W|, 0);
//   3. the outer side: up by H of step 1) at slope S (by D, to the template end's level, when
//      that H is 0);
//   4. a bench of the cut slope, W of step 1) wide;
//   5. the next rise: up by H of step 2) at slope S of step 1).
// A vertex that adds no length (W, the bench or the last rise 0) is left out and the next one
// takes its row. The section engine carries the last segment on outwards to the ground, so the
// slope of the last rise is the cut slope. The dialog's other fields would need rows the editor
// does not write; they stay closed.

#include <array>
#include <string>

#include "records/variant_record.h"

namespace calvora {

enum class DitchMode { Cut, Fill, None };

inline constexpr int kDitchRows = 5;

struct DitchVertex {
  double x = 0;  // offset from the template end, the side's sign
  double y = 0;  // height above the template end
};
using DitchRows = std::array<DitchVertex, kDitchRows>;

// Rows 1..5 of side s of the ditch the mode shows; all 0 for None.
DitchRows DitchView(const VariantRecord& record, DitchMode mode, int side);
// The vertices that are drawn: up to the first row whose offset is 0.
int DitchVertexCount(const DitchRows& rows);

// The numbers of the ditch dialog.
struct DitchShape {
  double depth = 0;        // D
  double bottom = 0;       // W
  double outerSlope = 0;   // S
  double innerSlope = 0;   // S0
  double outerHeight = 0;  // 1): H
  double benchWidth = 0;   // 1): W
  double riseSlope = 0;    // 1): S
  double riseHeight = 0;   // 2): H
};

// The numbers that give these rows back (for rows the editor wrote; others are read segment by
// segment in the same order: inner side, bottom, outer side, bench, rise).
DitchShape ShapeOf(const DitchRows& rows);
// The rows of side s for the numbers; a depth of 0 is no ditch. The message when a slope that
// a length divides by is 0 ("" when the rows are made).
std::string BuildDitch(const DitchShape& shape, int side, DitchRows& rows);

// Stores the rows as the side's ditch of the mode; a ditch in cut replaces the whole polyline
// (rows 6..11 become 0, which the engine would otherwise still follow). None stores nothing.
void StoreDitch(VariantRecord& record, DitchMode mode, int side, const DitchRows& rows);
// The side has no ditch of the mode: its first offset becomes 0.
void RemoveDitch(VariantRecord& record, DitchMode mode, int side);

}  // namespace calvora
