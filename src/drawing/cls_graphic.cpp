#include "drawing/cls_graphic.h"

#include <cmath>

namespace calvora {

void clsGraphic::SetObject(GraphicDevice& device) {
  object_ = &device;
  width_ = device.Width();
  height_ = device.Height();
  device.SetFont(font_);
  device.SetDrawWidth(drawWidth_);
  device.SetDrawStyle(drawStyle_);
}

double clsGraphic::TextWidth(std::string_view text) const {
  return object_ != nullptr ? object_->TextWidth(text) : 0.0;
}

void clsGraphic::SetDrawWidth(float width) {
  drawWidth_ = width;
  if (object_ != nullptr) {
    object_->SetDrawWidth(width);
  }
}

void clsGraphic::SetDrawStyle(std::int16_t style) {
  drawStyle_ = style;
  if (object_ != nullptr) {
    object_->SetDrawStyle(style);
  }
}

void clsGraphic::SetScale() {
  if (object_ != nullptr) {
    object_->SetScale(Scale);
  }
}

void clsGraphic::SetFont(const GraphicFont& font) {
  font_ = font;
  if (object_ != nullptr) {
    object_->SetFont(font_);
  }
}

void clsGraphic::SetFontSize(float size) {
  GraphicFont font = font_;
  font.Size = size;
  SetFont(font);
}

void clsGraphic::SetFontName(std::string name) {
  GraphicFont font = font_;
  font.Name = std::move(name);
  SetFont(font);
}

void clsGraphic::SetFontBold(bool bold) {
  GraphicFont font = font_;
  font.Bold = bold;
  SetFont(font);
}

void clsGraphic::SetFontItalic(bool italic) {
  GraphicFont font = font_;
  font.Italic = italic;
  SetFont(font);
}

void clsGraphic::DrawText(double x, double y, std::string_view text) {
  if (object_ != nullptr && std::isfinite(x) && std::isfinite(y)) {
    object_->DrawText(*this, x, y, text);
  }
}

void clsGraphic::DrawLine(double x1, double y1, double x2, double y2, std::int16_t pen) {
  const bool finite =
      std::isfinite(x1) && std::isfinite(y1) && std::isfinite(x2) && std::isfinite(y2);
  if (object_ == nullptr || !finite) {
    return;
  }
  if (!Clip) {
    object_->DrawLine(*this, x1, y1, x2, y2, pen);
  } else if (const auto inside = ClipLine({x1, y1, x2, y2}, *Clip)) {
    object_->DrawLine(*this, inside->x1, inside->y1, inside->x2, inside->y2, pen);
  }
}

}  // namespace calvora
