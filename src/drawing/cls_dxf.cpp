#include "drawing/cls_dxf.h"

#include <stdexcept>

#include "drawing/cls_graphic.h"
#include "drawing/dxf_entities.h"
#include "numbers/number_text.h"
#include "numbers/text_width.h"

namespace calvora {

namespace {

std::ostream& FileOf(const clsGraphic& graphic) {
  if (graphic.FileNumber() == nullptr) {
    throw std::logic_error("DXF drawing without an open file");
  }
  return *graphic.FileNumber();
}

}  // namespace

double clsDXF::TextWidth(std::string_view text) const {
  return fontSize_ / kPointsPerDxfUnit * static_cast<double>(CharCount(text));
}

void clsDXF::DrawText(const clsGraphic& graphic, double x, double y, std::string_view text) {
  WriteDxfText(FileOf(graphic), x, y, text, graphic.Layer(),
               RoundTo(graphic.FontSize() / kPointsPerDxfUnit, 2), format_);
}

void clsDXF::DrawLine(const clsGraphic& graphic, double x1, double y1, double x2, double y2,
                      std::int16_t pen) {
  WriteDxfLine(FileOf(graphic), x1, y1, 0.0, x2, y2, 0.0, pen, DrawStyleDXF, graphic.Layer(),
               format_);
}

}  // namespace calvora
