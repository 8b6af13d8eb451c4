#pragma once
// A device that clsGraphic draws on: a picture area, a printer page, an image or a DXF file.

#include <cstdint>
#include <string>
#include <string_view>

namespace calvora {

class clsGraphic;

struct GraphicFont {
  std::string Name;
  float Size = 10;  // points
  bool Bold = false;
  bool Italic = false;
};

// The user coordinate rectangle: top left corner and extent (a negative height makes y grow
// upwards).
struct ScaleRect {
  double Left = 0;
  double Top = 0;
  double Width = 1;
  double Height = 1;
};

class GraphicDevice {
 public:
  virtual ~GraphicDevice() = default;

  virtual double Width() const = 0;
  virtual double Height() const = 0;
  // Width of a text in the current font, in user units.
  virtual double TextWidth(std::string_view text) const = 0;

  virtual void SetScale(const ScaleRect& scale) = 0;
  virtual void SetFont(const GraphicFont& font) = 0;
  virtual void SetDrawWidth(float width) = 0;
  virtual void SetDrawStyle(std::int16_t style) = 0;

  // The text's top left corner at (x, y); the graphic supplies layer and file for DXF devices.
  virtual void DrawText(const clsGraphic& graphic, double x, double y, std::string_view text) = 0;
  // A line in colour pen of the 16-colour palette.
  virtual void DrawLine(const clsGraphic& graphic, double x1, double y1, double x2, double y2,
                        std::int16_t pen) = 0;
};

}  // namespace calvora
