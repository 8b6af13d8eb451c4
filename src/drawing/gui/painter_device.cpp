#include "drawing/gui/painter_device.h"

#include <QLineF>
#include <QPaintDevice>
#include <QString>
#include <algorithm>
#include <array>
#include <cmath>

#include "drawing/cls_graphic.h"

namespace calvora {

namespace {

constexpr double kTwipsPerInch = 1440;
constexpr double kScreenPixelsPerInch = 96;
constexpr double kPointsPerUnit = 14.4;  // one unit is 0.2 inch of paper
constexpr double kSmallestFontPixels = 0.5;

Qt::PenStyle PenStyleOf(std::int16_t style) {
  switch (style) {
    case 1:
      return Qt::DashLine;
    case 2:
      return Qt::DotLine;
    case 3:
      return Qt::DashDotLine;
    case 4:
      return Qt::DashDotDotLine;
    case 5:
      return Qt::NoPen;
    default:
      return Qt::SolidLine;
  }
}

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QColor PaletteColour(int pen) {
  static constexpr std::array<QRgb, 16> kPalette = {
      0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
      0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
  if (pen < 0 || pen >= static_cast<int>(kPalette.size())) {
    return QColor(Qt::black);
  }
  return QColor::fromRgb(kPalette[static_cast<std::size_t>(pen)]);
}

PainterDevice::PainterDevice(QPainter& painter, const QRectF& target, double dotsPerInch)
    : painter_(painter), target_(target), dotsPerInch_(dotsPerInch > 0 ? dotsPerInch : 96) {
  scale_ = {0, 0, Width(), Height()};
  SetScale(scale_);
  pen_.setCapStyle(Qt::RoundCap);
  SetDrawWidth(1);
}

double PainterDevice::Width() const {
  return target_.width() / dotsPerInch_ * kTwipsPerInch;
}

double PainterDevice::Height() const {
  return target_.height() / dotsPerInch_ * kTwipsPerInch;
}

void PainterDevice::SetScale(const ScaleRect& scale) {
  if (scale.Width == 0 || scale.Height == 0 || !std::isfinite(scale.Width) ||
      !std::isfinite(scale.Height)) {
    return;  // no rectangle to map onto: keep the one before
  }
  scale_ = scale;
  pixelsPerUnitX_ = target_.width() / scale.Width;
  pixelsPerUnitY_ = target_.height() / scale.Height;
  UpdateFont();
}

void PainterDevice::SetFont(const GraphicFont& font) {
  font_ = font;
  UpdateFont();
}

void PainterDevice::UpdateFont() {
  const double pixels = font_.Size / kPointsPerUnit * std::abs(pixelsPerUnitY_);
  fontUsable_ = std::isfinite(pixels) && pixels >= kSmallestFontPixels;
  if (!font_.Name.empty()) {
    qfont_.setFamily(ToQString(font_.Name));
  }
  qfont_.setBold(font_.Bold);
  qfont_.setItalic(font_.Italic);
  if (fontUsable_) {
    const double deviceDpi = painter_.device() != nullptr ? painter_.device()->logicalDpiY() : 96;
    qfont_.setPointSizeF(pixels * 72.0 / deviceDpi);
  }
  painter_.setFont(qfont_);
  metrics_ = QFontMetricsF(qfont_, painter_.device());
}

void PainterDevice::SetDrawWidth(float width) {
  const double screenPixels = std::max(1.0, static_cast<double>(width));
  pen_.setWidthF(screenPixels * dotsPerInch_ / kScreenPixelsPerInch);
}

void PainterDevice::SetDrawStyle(std::int16_t style) {
  pen_.setStyle(PenStyleOf(style));
}

QPointF PainterDevice::Map(double x, double y) const {
  return {target_.left() + (x - scale_.Left) * pixelsPerUnitX_,
          target_.top() + (y - scale_.Top) * pixelsPerUnitY_};
}

double PainterDevice::TextWidth(std::string_view text) const {
  if (!fontUsable_) {
    return 0;
  }
  return metrics_.horizontalAdvance(ToQString(text)) / std::abs(pixelsPerUnitX_);
}

void PainterDevice::DrawText(const clsGraphic&, double x, double y, std::string_view text) {
  if (!fontUsable_ || text.empty()) {
    return;
  }
  const QPointF topLeft = Map(x, y);
  painter_.setPen(QPen(PaletteColour(0)));
  painter_.drawText(QPointF(topLeft.x(), topLeft.y() + metrics_.ascent()), ToQString(text));
}

void PainterDevice::DrawLine(const clsGraphic&, double x1, double y1, double x2, double y2,
                             std::int16_t pen) {
  pen_.setColor(PaletteColour(pen));
  painter_.setPen(pen_);
  painter_.drawLine(QLineF(Map(x1, y1), Map(x2, y2)));
}

void PaintPicture(QWidget& widget, const std::function<void(clsGraphic&)>& draw) {
  QPainter painter(&widget);
  painter.fillRect(widget.rect(), Qt::white);
  painter.setRenderHint(QPainter::Antialiasing);
  PainterDevice device(painter, QRectF(widget.rect()), widget.logicalDpiY());
  clsGraphic graphic;
  graphic.SetObject(device);
  draw(graphic);
}

}  // namespace calvora
