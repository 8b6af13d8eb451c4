#pragma once
// The picture area of the section sketch: draws it through the QPainter drawing target.

#include <QWidget>

#include "drawing/section_sketch.h"

namespace calvora {

class SectionSketchView : public QWidget {
  Q_OBJECT

 public:
  explicit SectionSketchView(const SectionSketch& sketch, QWidget* parent = nullptr);

  QSize sizeHint() const override { return {420, 320}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const SectionSketch& sketch_;
};

}  // namespace calvora
