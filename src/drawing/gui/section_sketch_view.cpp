#include "drawing/gui/section_sketch_view.h"

#include <QPainter>

#include "drawing/cls_graphic.h"
#include "drawing/gui/painter_device.h"

namespace calvora {

SectionSketchView::SectionSketchView(const SectionSketch& sketch, QWidget* parent)
    : QWidget(parent), sketch_(sketch) {
  setObjectName(QStringLiteral("picSketch"));
  setMinimumSize(240, 180);
  setAutoFillBackground(false);
}

void SectionSketchView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  painter.setRenderHint(QPainter::Antialiasing);
  PainterDevice device(painter, QRectF(rect()), logicalDpiY());
  clsGraphic graphic;
  graphic.SetObject(device);
  sketch_.Draw(graphic);
}

}  // namespace calvora
