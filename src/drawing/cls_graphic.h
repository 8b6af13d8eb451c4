#pragma once
// The one drawing interface of the sheet drawing: holds the drawing state (scale, font, pen,
// layer) and forwards it to its device, a window, a printer page or a DXF file.

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "drawing/clip_line.h"
#include "drawing/graphic_device.h"

namespace calvora {

class clsGraphic {
 public:
  // The target; takes a snapshot of its size.
  void SetObject(GraphicDevice& device);
  GraphicDevice* Object() const { return object_; }
  void ClearObject() { object_ = nullptr; }

  double TextWidth(std::string_view text) const;

  // DXF layer of the following entities; empty means layer "0".
  const std::string& Layer() const { return layer_; }
  void SetLayer(std::string layer) { layer_ = std::move(layer); }

  float DrawWidth() const { return drawWidth_; }
  void SetDrawWidth(float width);
  std::int16_t DrawStyle() const { return drawStyle_; }
  void SetDrawStyle(std::int16_t style);

  double Width() const { return width_; }
  void SetWidth(double width) { width_ = width; }
  double Height() const { return height_; }

  // The user coordinate rectangle, stored only; SetScale applies it.
  ScaleRect Scale;
  void SetScale();

  const GraphicFont& Font() const { return font_; }
  void SetFont(const GraphicFont& font);
  float FontSize() const { return font_.Size; }
  void SetFontSize(float size);
  void SetFontName(std::string name);
  void SetFontBold(bool bold);
  void SetFontItalic(bool italic);

  // The open DXF file the entities go to.
  std::ostream* FileNumber() const { return file_; }
  void SetFileNumber(std::ostream* file) { file_ = file; }

  // Lines are cut to this rectangle of user coordinates while it is set.
  std::optional<ClipRect> Clip;

  // A point that is not a finite number is never drawn.
  void DrawText(double x, double y, std::string_view text);
  void DrawLine(double x1, double y1, double x2, double y2, std::int16_t pen);

 private:
  GraphicDevice* object_ = nullptr;
  std::string layer_;
  float drawWidth_ = 1;
  std::int16_t drawStyle_ = 0;
  double width_ = 0;
  double height_ = 0;
  GraphicFont font_;
  std::ostream* file_ = nullptr;
};

}  // namespace calvora
