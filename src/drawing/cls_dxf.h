#pragma once
// The DXF device: what the drawing asks of a device (size, font size, line style, text width),
// with every line and text written as a DXF entity to the graphic's open file.

#include <cstdint>
#include <string>

#include "drawing/dxf_groups.h"
#include "drawing/graphic_device.h"

namespace calvora {

// Points per drawing unit (millimetre) of a DXF text height.
inline constexpr double kPointsPerDxfUnit = 2.83;

class clsDXF : public GraphicDevice {
 public:
  explicit clsDXF(DxfFormat format = DxfFormat::Binary) : format_(format) {}

  float FontSize() const { return fontSize_; }
  // Line type name written with every line; empty: no line type group.
  std::string DrawStyleDXF;
  std::int16_t DrawStyle() const { return drawStyle_; }
  DxfFormat Format() const { return format_; }

  std::int32_t WidthDXF = 1000000;
  std::int16_t HeightDXF = 1000;

  double Width() const override { return WidthDXF; }
  double Height() const override { return HeightDXF; }
  // (FontSize / 2.83) per character.
  double TextWidth(std::string_view text) const override;
  void SetScale(const ScaleRect&) override {}  // a DXF drawing has no scale
  void SetFont(const GraphicFont& font) override { fontSize_ = font.Size; }
  void SetDrawWidth(float) override {}
  void SetDrawStyle(std::int16_t style) override { drawStyle_ = style; }
  void DrawText(const clsGraphic& graphic, double x, double y, std::string_view text) override;
  void DrawLine(const clsGraphic& graphic, double x1, double y1, double x2, double y2,
                std::int16_t pen) override;

 private:
  DxfFormat format_;
  float fontSize_ = 0;
  std::int16_t drawStyle_ = 0;
};

}  // namespace calvora
