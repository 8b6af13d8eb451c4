#pragma once
// The sketch beside the section data editor: the ground points of the section as typed, the
// centre line, and the designed section the engine computes from them, scaled to fit with
// equal horizontal and vertical scales, offsets and elevations along its edges. The engine's
// messages are drawn in the sketch; nobody is asked anything.

#include <string>
#include <vector>

#include "drawing/cls_graphic.h"
#include "project/project_state.h"
#include "records/section_record.h"
#include "section/section_engine.h"

namespace calvora {

class SectionSketch {
 public:
  // The section as typed, shown as record number record. Its design is computed on copies
  // when the typical cross-section file is loaded; no file is written.
  void Show(const ProjectState& state, const SectionRecord& section, int record);
  // The fields make no section: only the message is drawn.
  void ShowProblem(const std::string& message);

  // Draws on the graphic's object, filling it.
  void Draw(clsGraphic& graphic) const;

  // The typed ground from the leftmost point to the rightmost, through the centre line.
  const std::vector<SectionPoint>& Ground() const { return ground_; }
  // The designed line from its left catch point to its right one; empty without a design.
  const std::vector<SectionPoint>& Design() const { return design_; }
  // The lines of the messages drawn.
  const std::vector<std::string>& Messages() const { return messages_; }

 private:
  SectionEngine engine_;
  std::vector<SectionPoint> ground_;
  std::vector<SectionPoint> design_;
  std::vector<std::string> messages_;
};

}  // namespace calvora
