#pragma once
// The drawing device of a QPainter: a picture area, a printer page, a PDF page or an image.
// User coordinates are mapped onto the target rectangle by SetScale; fonts are sized as on
// paper, where one user unit is 0.2 inch (14.4 points), so a sheet looks alike on every target.

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QRectF>
#include <QWidget>
#include <functional>

#include "drawing/graphic_device.h"

namespace calvora {

// The 16-colour palette of the drawing (0 black ... 15 bright white).
QColor PaletteColour(int pen);

// A picture area's paint event: the widget painted white, then drawn on through clsGraphic.
void PaintPicture(QWidget& widget, const std::function<void(clsGraphic&)>& draw);

class PainterDevice : public GraphicDevice {
 public:
  // target: the area drawn on, in the painter's device pixels; dotsPerInch of the device.
  PainterDevice(QPainter& painter, const QRectF& target, double dotsPerInch);

  // Size of the target in twips, as a window or printer reports it.
  double Width() const override;
  double Height() const override;
  double TextWidth(std::string_view text) const override;

  void SetScale(const ScaleRect& scale) override;
  void SetFont(const GraphicFont& font) override;
  // Pen width in screen pixels (1/96 inch); below 1 is drawn as 1.
  void SetDrawWidth(float width) override;
  void SetDrawStyle(std::int16_t style) override;
  void DrawText(const clsGraphic& graphic, double x, double y, std::string_view text) override;
  void DrawLine(const clsGraphic& graphic, double x1, double y1, double x2, double y2,
                std::int16_t pen) override;

 private:
  QPointF Map(double x, double y) const;
  void UpdateFont();

  QPainter& painter_;
  QRectF target_;
  double dotsPerInch_;
  ScaleRect scale_;
  double pixelsPerUnitX_ = 1;
  double pixelsPerUnitY_ = 1;
  GraphicFont font_;
  QFont qfont_;
  QFontMetricsF metrics_{qfont_};
  bool fontUsable_ = false;
  QPen pen_;
};

}  // namespace calvora
