#pragma once
// The picture of a typical cross-section in its editor: the template lines of both sides, the
// ditch of the mode shown hanging from each template end, and the centre line. Heights run
// from +10 m at the top to -10 m at the bottom, the horizontal scale equals the vertical one
// and the centre line stands in the middle, until the picture is zoomed or panned.

#include "drawing/cls_graphic.h"
#include "records/project_record.h"
#include "records/variant_record.h"
#include "section/ditch_shape.h"

namespace calvora {

class TemplateView {
 public:
  // The user rectangle of a picture width x height (any unit) large.
  ScaleRect Scale(double width, double height) const;
  // The user point under a picture point (px, py from the top left).
  DitchVertex At(double px, double py, double width, double height) const;
  // Zooms by factor (above 1 nearer), the user point under (px, py) staying where it is.
  void ZoomAbout(double px, double py, double factor, double width, double height);
  // Moves the drawing with the pointer by (dx, dy) picture units.
  void Pan(double dx, double dy, double width, double height);

 private:
  double span_ = 20;  // metres from top to bottom
  double centreX_ = 0;
  double centreY_ = 0;
};

// Template lines in blue, ditches in red, each as wide as the project's pen of the design
// line; the centre line dashed.
void DrawTemplate(clsGraphic& graphic, const ProjectRecord& project, const VariantRecord& record,
                  DitchMode ditch, const TemplateView& view);

}  // namespace calvora
