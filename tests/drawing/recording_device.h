#pragma once
// A drawing device for tests that keeps everything drawn on it.

#include <string>
#include <vector>

#include "drawing/cls_graphic.h"
#include "drawing/graphic_device.h"

namespace calvora::testing {

struct DrawnLine {
  std::string layer;
  int colour = 0;
  float width = 0;
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

struct DrawnText {
  std::string layer;
  double x = 0, y = 0;
  std::string text;
};

class RecordingDevice : public GraphicDevice {
 public:
  std::vector<DrawnLine> lines;
  std::vector<DrawnText> texts;
  ScaleRect scale;

  double Width() const override { return 1000; }
  double Height() const override { return 1000; }
  double TextWidth(std::string_view text) const override { return 0.5 * text.size(); }
  void SetScale(const ScaleRect& s) override { scale = s; }
  void SetFont(const GraphicFont&) override {}
  void SetDrawWidth(float width) override { width_ = width; }
  void SetDrawStyle(std::int16_t) override {}
  void DrawText(const clsGraphic& g, double x, double y, std::string_view text) override {
    texts.push_back({g.Layer(), x, y, std::string(text)});
  }
  void DrawLine(const clsGraphic& g, double x1, double y1, double x2, double y2,
                std::int16_t pen) override {
    lines.push_back({g.Layer(), pen, width_, x1, y1, x2, y2});
  }

  std::vector<DrawnLine> LinesOn(const std::string& layer, int colour) const {
    std::vector<DrawnLine> found;
    for (const DrawnLine& line : lines) {
      if (line.layer == layer && line.colour == colour) {
        found.push_back(line);
      }
    }
    return found;
  }
  const DrawnText* TextStartingWith(const std::string& start) const {
    for (const DrawnText& text : texts) {
      if (text.text.rfind(start, 0) == 0) {
        return &text;
      }
    }
    return nullptr;
  }

 private:
  float width_ = 0;
};

}  // namespace calvora::testing
