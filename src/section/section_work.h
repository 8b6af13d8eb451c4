#pragma once
// The engine's working state for one section: its copies of the records, the ground and the
// template per side in outward offsets, and the ways a data error stops the section.

#include <vector>

#include "records/project_record.h"
#include "records/signed_array.h"
#include "section/section_lines.h"
#include "section/section_results.h"

namespace calvora {

// Thrown inside the engine when a data error stops the section (after its message was shown);
// ComputeSection catches it and marks the results invalid.
struct SectionDataError {};

// An outward offset of a side as a signed offset (negative on the left), never -0.
inline double SignedOffset(int side, double x) {
  return x == 0 ? 0.0 : side * x;
}
// out becomes line in signed offsets (its storage is reused).
void AssignSignedOffsets(std::vector<SectionPoint>& out, int side, const SideLine& line);

struct SectionWork {
  // Empties the lines: nothing of an earlier section is seen.
  SectionWork(const ProjectRecord& projectRecord, SectionResults& sectionResults,
              SectionLines& lines);

  const ProjectRecord& project;
  SectionResults& results;

  const VariantRecord& Variant() const { return results.Variant; }

  // Project elevation on the centre line, lowered while the subgrade and layer lines are built.
  double prElev = 0;
  // Ground per side; point 0 is (0, GRElev).
  SignedArray<SideLine, -1, 1>& ground;
  // Template vertices per side: x outward, y the height above prElev; point 0 is (0, 0).
  // Template-end shifts move the last vertex.
  SignedArray<SideLine, -1, 1>& templ;

  // Both sides of the ground joined left to right, for the walks (made by the first walk).
  std::vector<SectionPoint>& joinedGround;
  // Scratch of each walk: the line walked, joined left to right.
  std::vector<SectionPoint>& joinedDesign;
  // The surface the design line's fill lies on, joined left to right (made by the design
  // line's walk, used by the layers' walks too).
  std::vector<SectionPoint>& joinedReference;
  // The line last walked (the design line, then each layer's line): the next layer's line
  // stays below it.
  std::vector<SectionPoint>& lineAbove;
  std::vector<SectionPoint>& envelope;
  // Scratch of each walk: the stripped surface per side, and the walk's own lists.
  SignedArray<SideLine, -1, 1>& strippedSides;
  WalkScratch& walkScratch;

  bool fixedWidthStripping = false;  // Deco != 0 and DecaMethod = 1
  bool stripOnlyInFill = false;      // Deco != 0 and DecaMethod = 0

  // Keeps a message's text in the results for the caller to show.
  void Note(const std::string& text);
  // "Data Error in ..." (the ground does not reach far enough), then stops the section.
  [[noreturn]] void DataError();
  // "Data error in KM: ..." (a fill ditch finds no ground), then stops the section.
  [[noreturn]] void FillDitchError();
};

}  // namespace calvora
