#pragma once
// picVar: the picture of a typical cross-section. Draws it through the QPainter drawing target;
// the wheel zooms about the pointer, dragging with the middle button pans, the tool tip follows
// the pointer, and the right button reports where it was pressed.

#include <QWidget>
#include <functional>
#include <string>

#include "drawing/template_drawing.h"

namespace calvora {

class TemplatePicture : public QWidget {
  Q_OBJECT

 public:
  // What to draw, and the tool tip at an offset.
  struct Source {
    std::function<void(clsGraphic&, const TemplateView&)> draw;
    std::function<std::string(double x)> toolTip;
  };

  explicit TemplatePicture(Source source, QWidget* parent = nullptr);

  QSize sizeHint() const override { return {640, 400}; }
  // The user point under a point of the picture.
  DitchVertex At(QPointF point) const;

 signals:
  // The right button pressed at (x, y) in metres; global: where a pop-up menu goes.
  void rightPressed(double x, double y, QPoint global);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  Source source_;
  TemplateView view_;
  QPointF dragFrom_;
  bool dragging_ = false;
};

}  // namespace calvora
