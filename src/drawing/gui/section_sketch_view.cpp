#include "drawing/gui/section_sketch_view.h"

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
  PaintPicture(*this, [this](clsGraphic& graphic) { sketch_.Draw(graphic); });
}

}  // namespace calvora
