#pragma once
// The section and typical-section records turned into the engine's side lines, refusing what
// the computation cannot trust.

#include "section/section_work.h"

namespace calvora {

// Fills the ground and template of both sides from the engine's record copies and sets the
// stripping method. A damaged record (a number that is not finite or beyond any road's scale,
// more than 10 ground points on a side, offsets running back towards the centre line) is a
// data error.
void LoadSides(SectionWork& work);

}  // namespace calvora
