#pragma once
// A device that passes every call on to another device and keeps it, so that a drawing made
// once can be played again on a fresh device (a window's next paint) without redrawing it.

#include <string>
#include <variant>
#include <vector>

#include "drawing/cls_graphic.h"
#include "drawing/graphic_device.h"

namespace calvora {

class DrawingRecorder : public GraphicDevice {
 public:
  // Calls are passed on to target while recording; Replay needs none.
  explicit DrawingRecorder(GraphicDevice& target) : target_(&target) {}
  DrawingRecorder() = default;

  // Measures come from the target while recording (0 without one).
  double Width() const override;
  double Height() const override;
  double TextWidth(std::string_view text) const override;

  void SetScale(const ScaleRect& scale) override;
  void SetFont(const GraphicFont& font) override;
  void SetDrawWidth(float width) override;
  void SetDrawStyle(std::int16_t style) override;
  void DrawText(const clsGraphic& graphic, double x, double y, std::string_view text) override;
  void DrawLine(const clsGraphic& graphic, double x1, double y1, double x2, double y2,
                std::int16_t pen) override;

  // Stops passing calls on; what was recorded stays.
  void Detach() { target_ = nullptr; }
  // Plays every recorded call on the device, in order, each text and line on its layer.
  void Replay(GraphicDevice& device) const;
  std::size_t CallCount() const { return calls_.size(); }

 private:
  struct Text {
    std::string layer;
    double x, y;
    std::string text;
  };
  struct Line {
    std::string layer;
    double x1, y1, x2, y2;
    std::int16_t pen;
  };
  struct DrawStyle {
    std::int16_t style;
  };
  struct DrawWidth {
    float width;
  };
  using Call = std::variant<ScaleRect, GraphicFont, DrawWidth, DrawStyle, Text, Line>;

  GraphicDevice* target_ = nullptr;
  std::vector<Call> calls_;
};

}  // namespace calvora
