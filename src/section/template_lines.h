#pragma once
// The template lines of a typical cross-section as the editor shows and changes them: line k of
// side s (k = s, 2s, ... LineCount(s)) runs from Point(k - s) to Point(k).

#include <string>

#include "records/variant_record.h"

namespace calvora {

inline constexpr int kMaxLinesPerSide = 10;

// A line as the editor shows it: the horizontal length L rounded to 3 decimals and the rise S
// per metre outwards from the centre line rounded to 3 decimals; a vertical line shows its
// height (2 decimals) as L and 0 as S.
struct LineSize {
  double length = 0;
  double slope = 0;
};

// The side an offset lies on: right beyond 0, left at and before it.
int SideOf(double x);
// The index of side s's outermost vertex, the template end: s * LinesOnSide(s).
int OuterVertex(const VariantRecord& record, int side);

LineSize LineSizeOf(const VariantRecord& record, int k);
// "L= 3.5  S= -.025" for line k.
std::string LineToolTip(const VariantRecord& record, int k);

// The line of side s under offset x: the first k from s outwards with |Point(k - s, 0)| <= |x|
// <= |Point(k, 0)|; LinesOnSide(s) + s when x lies beyond the side's last line.
int LineUnder(const VariantRecord& record, double x);

// What a line change says when it is refused ("" when it was made). A refused change leaves the
// record as it was.
//
// InsertLine puts a line of the size given before line k (k up to LinesOnSide(s) + s): its
// start is Point(k - s), its end Point(k - s) + (s * |L|, |L| * S), and the vertices beyond
// move outwards by that vector, so the rest of the profile keeps its shape. A side holds ten
// lines.
std::string InsertLine(VariantRecord& record, int k, LineSize size);
// SetLine gives line k a new size the same way, the outer vertices moved by the change. A
// vertical line given slope 0 stays vertical, L its height.
std::string SetLine(VariantRecord& record, int k, LineSize size);
// DeleteLine removes line k: the vertices beyond move inwards by its vector and one place in;
// the vertex freed at the side's end becomes 0.
std::string DeleteLine(VariantRecord& record, int k);

}  // namespace calvora
