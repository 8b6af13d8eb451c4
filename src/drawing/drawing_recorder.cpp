#include "drawing/drawing_recorder.h"

namespace calvora {

double DrawingRecorder::Width() const {
  return target_ != nullptr ? target_->Width() : 0;
}

double DrawingRecorder::Height() const {
  return target_ != nullptr ? target_->Height() : 0;
}

double DrawingRecorder::TextWidth(std::string_view text) const {
  return target_ != nullptr ? target_->TextWidth(text) : 0;
}

void DrawingRecorder::SetScale(const ScaleRect& scale) {
  calls_.emplace_back(scale);
  if (target_ != nullptr) {
    target_->SetScale(scale);
  }
}

void DrawingRecorder::SetFont(const GraphicFont& font) {
  calls_.emplace_back(font);
  if (target_ != nullptr) {
    target_->SetFont(font);
  }
}

void DrawingRecorder::SetDrawWidth(float width) {
  calls_.emplace_back(DrawWidth{width});
  if (target_ != nullptr) {
    target_->SetDrawWidth(width);
  }
}

void DrawingRecorder::SetDrawStyle(std::int16_t style) {
  calls_.emplace_back(DrawStyle{style});
  if (target_ != nullptr) {
    target_->SetDrawStyle(style);
  }
}

void DrawingRecorder::DrawText(const clsGraphic& graphic, double x, double y,
                               std::string_view text) {
  calls_.emplace_back(Text{graphic.Layer(), x, y, std::string(text)});
  if (target_ != nullptr) {
    target_->DrawText(graphic, x, y, text);
  }
}

void DrawingRecorder::DrawLine(const clsGraphic& graphic, double x1, double y1, double x2,
                               double y2, std::int16_t pen) {
  calls_.emplace_back(Line{graphic.Layer(), x1, y1, x2, y2, pen});
  if (target_ != nullptr) {
    target_->DrawLine(graphic, x1, y1, x2, y2, pen);
  }
}

void DrawingRecorder::Replay(GraphicDevice& device) const {
  clsGraphic layers;  // carries each entity's layer to the device
  for (const Call& call : calls_) {
    if (const auto* scale = std::get_if<ScaleRect>(&call)) {
      device.SetScale(*scale);
    } else if (const auto* font = std::get_if<GraphicFont>(&call)) {
      device.SetFont(*font);
    } else if (const auto* width = std::get_if<DrawWidth>(&call)) {
      device.SetDrawWidth(width->width);
    } else if (const auto* style = std::get_if<DrawStyle>(&call)) {
      device.SetDrawStyle(style->style);
    } else if (const auto* text = std::get_if<Text>(&call)) {
      layers.SetLayer(text->layer);
      device.DrawText(layers, text->x, text->y, text->text);
    } else if (const auto* line = std::get_if<Line>(&call)) {
      layers.SetLayer(line->layer);
      device.DrawLine(layers, line->x1, line->y1, line->x2, line->y2, line->pen);
    }
  }
}

}  // namespace calvora
