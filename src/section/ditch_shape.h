#pragma once
// The ditches of a typical cross-section as the editor shows and builds them: up to five
// vertices a side, each relative to the template end (not to the vertex before), offsets
// carrying the side's sign; a 0 offset in the first row means no ditch.
//
// The ditch dialog's numbers make the vertices in this order, outwards:
//   1. the inner side: down to depth D at slope S0 (rise over run): (|D / S0|, -D);
//   2. the bottom, W wide: (+|W|, 0);
//   3. the outer side: up by D at slope S, back to the level of the template end;
//   4. the first step of the cut slope: a bench |W1| wide, level;
//   5. its rise: up by H1 at slope S1.
// A vertex that adds no length (W, W1 or H1 of 0) is left out and the next one takes its row.
// The section engine carries the last segment on outwards to the ground, so without a step
// the outer side S is the cut slope, and with one S1 is. The dialog's steps 2 to 4 would need
// rows the editor does not write; they stay empty.

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
  double depth = 0;       // D
  double bottom = 0;      // W
  double outerSlope = 0;  // S
  double innerSlope = 0;  // S0
  double benchWidth = 0;  // step 1: W
  double riseSlope = 0;   // step 1: S
  double riseHeight = 0;  // step 1: H
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
