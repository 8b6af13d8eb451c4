#include "drawing/gui/template_picture.h"

#include <QMouseEvent>
#include <QToolTip>
#include <QWheelEvent>
#include <cmath>

#include "drawing/gui/painter_device.h"

namespace calvora {

namespace {

constexpr double kZoomPerNotch = 1.25;  // one notch of the wheel (120 eighths of a degree)

}  // namespace

TemplatePicture::TemplatePicture(Source source, QWidget* parent)
    : QWidget(parent), source_(std::move(source)) {
  setObjectName(QStringLiteral("picVar"));
  setMinimumSize(240, 160);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setAccessibleName(tr("Typical cross section picture"));
}

DitchVertex TemplatePicture::At(QPointF point) const {
  return view_.At(point.x(), point.y(), width(), height());
}

void TemplatePicture::paintEvent(QPaintEvent*) {
  PaintPicture(*this, [this](clsGraphic& graphic) { source_.draw(graphic, view_); });
}

void TemplatePicture::wheelEvent(QWheelEvent* event) {
  const double notches = event->angleDelta().y() / 120.0;
  if (notches == 0) {
    return;
  }
  const QPointF at = event->position();
  view_.ZoomAbout(at.x(), at.y(), std::pow(kZoomPerNotch, notches), width(), height());
  update();
  event->accept();
}

void TemplatePicture::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::MiddleButton) {
    dragging_ = true;
    dragFrom_ = event->position();
    setCursor(Qt::ClosedHandCursor);
  } else if (event->button() == Qt::RightButton) {
    const DitchVertex at = At(event->position());
    emit rightPressed(at.x, at.y, event->globalPosition().toPoint());
  }
}

void TemplatePicture::mouseMoveEvent(QMouseEvent* event) {
  if (dragging_) {
    const QPointF by = event->position() - dragFrom_;
    dragFrom_ = event->position();
    view_.Pan(by.x(), by.y(), width(), height());
    update();
    return;
  }
  const QString tip = QString::fromStdString(source_.toolTip(At(event->position()).x));
  setToolTip(tip);
  if (tip.isEmpty()) {
    QToolTip::hideText();
  } else {
    QToolTip::showText(event->globalPosition().toPoint(), tip, this);
  }
}

void TemplatePicture::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::MiddleButton) {
    dragging_ = false;
    unsetCursor();
  }
}

}  // namespace calvora
