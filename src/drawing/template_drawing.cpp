#include "drawing/template_drawing.h"

#include <algorithm>
#include <cstdlib>

#include "section/template_lines.h"

namespace calvora {

namespace {

constexpr std::int16_t kTemplatePen = 1;  // blue
constexpr std::int16_t kDitchPen = 4;     // red
constexpr std::int16_t kCentrePen = 8;    // grey
constexpr std::int16_t kDashed = 1;
constexpr int kProjectPen = 2;  // the project's pen of the design line
constexpr double kLeastSpan = 0.01;
constexpr double kMostSpan = 10000;

void DrawSide(clsGraphic& graphic, const VariantRecord& record, DitchMode ditch, int s) {
  const int last = OuterVertex(record, s);
  for (int k = s; std::abs(k) <= std::abs(last); k += s) {
    graphic.DrawLine(record.Point(k - s, 0), record.Point(k - s, 1), record.Point(k, 0),
                     record.Point(k, 1), kTemplatePen);
  }
  const DitchRows rows = DitchView(record, ditch, s);
  const double endX = record.Point(last, 0);
  const double endY = record.Point(last, 1);
  DitchVertex from;
  for (int i = 0; i < DitchVertexCount(rows); ++i) {
    const DitchVertex to = rows[std::size_t(i)];
    graphic.DrawLine(endX + from.x, endY + from.y, endX + to.x, endY + to.y, kDitchPen);
    from = to;
  }
}

}  // namespace

ScaleRect TemplateView::Scale(double width, double height) const {
  const double spanX = span_ * width / std::max(height, 1.0);
  return {centreX_ - spanX / 2, centreY_ + span_ / 2, spanX, -span_};
}

DitchVertex TemplateView::At(double px, double py, double width, double height) const {
  const ScaleRect scale = Scale(width, height);
  return {scale.Left + px / std::max(width, 1.0) * scale.Width,
          scale.Top + py / std::max(height, 1.0) * scale.Height};
}

void TemplateView::ZoomAbout(double px, double py, double factor, double width, double height) {
  const DitchVertex fixed = At(px, py, width, height);
  const double span = std::clamp(span_ / factor, kLeastSpan, kMostSpan);
  const double kept = span / span_;
  centreX_ = fixed.x + (centreX_ - fixed.x) * kept;
  centreY_ = fixed.y + (centreY_ - fixed.y) * kept;
  span_ = span;
}

void TemplateView::Pan(double dx, double dy, double width, double height) {
  const ScaleRect scale = Scale(width, height);
  centreX_ -= dx / std::max(width, 1.0) * scale.Width;
  centreY_ -= dy / std::max(height, 1.0) * scale.Height;
}

void DrawTemplate(clsGraphic& graphic, const ProjectRecord& project, const VariantRecord& record,
                  DitchMode ditch, const TemplateView& view) {
  graphic.Scale = view.Scale(graphic.Width(), graphic.Height());
  graphic.SetScale();
  graphic.SetDrawStyle(0);
  graphic.SetDrawWidth(std::max(project.Pen[kProjectPen], 2.0f));
  DrawSide(graphic, record, ditch, 1);
  DrawSide(graphic, record, ditch, -1);
  graphic.SetDrawWidth(1);
  graphic.SetDrawStyle(kDashed);
  const ScaleRect& scale = graphic.Scale;
  graphic.DrawLine(0, scale.Top, 0, scale.Top + scale.Height, kCentrePen);
  graphic.SetDrawStyle(0);
}

}  // namespace calvora
