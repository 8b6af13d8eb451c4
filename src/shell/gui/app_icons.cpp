#include "shell/gui/app_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace calvora {

namespace {

// Draws the section in a 64 x 64 square: ground line, fill body, pavement.
void PaintSection(QPainter& painter, bool onBadge) {
  const QColor ground = onBadge ? QColor(0xE8, 0xC9, 0x8E) : QColor(0x8B, 0x5A, 0x2B);
  const QColor body = onBadge ? QColor(0xFF, 0xFF, 0xFF, 0xD0) : QColor(0x9E, 0x9E, 0x9E);
  const QColor pavement = onBadge ? QColor(0xFF, 0xD5, 0x4F) : QColor(0x30, 0x30, 0x30);
  QPainterPath fill;
  fill.moveTo(4, 48);
  fill.lineTo(19, 24);
  fill.lineTo(45, 24);
  fill.lineTo(60, 46);
  fill.closeSubpath();
  painter.setPen(Qt::NoPen);
  painter.setBrush(body);
  painter.drawPath(fill);
  painter.setPen(QPen(pavement, 6, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(19, 23), QPointF(45, 23));
  painter.setPen(QPen(ground, 4.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  const QPointF line[] = {{4, 40}, {16, 45}, {30, 54}, {45, 47}, {60, 51}};
  painter.drawPolyline(line, 5);
}

void PaintIcon(QPainter& painter, bool badge) {
  if (badge) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1F, 0x5F, 0x7A));
    painter.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
  }
  PaintSection(painter, badge);
}

// An icon drawn by paint in a 64 x 64 square, at the sizes tool bars and windows ask for.
QIcon DrawnIcon(const std::function<void(QPainter&)>& paint) {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 64.0, size / 64.0);
    paint(painter);
    painter.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

const QColor kInk(0x30, 0x30, 0x30);

}  // namespace

QIcon CalvoraIcon() {
  return DrawnIcon([](QPainter& painter) { PaintIcon(painter, true); });
}

QIcon CrossSectionIcon() {
  return DrawnIcon([](QPainter& painter) { PaintIcon(painter, false); });
}

QIcon ZoomIcon(bool in) {
  return DrawnIcon([in](QPainter& painter) {
    painter.setPen(QPen(kInk, 6, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(26, 26), 18, 18);
    painter.drawLine(QPointF(40, 40), QPointF(58, 58));
    painter.setPen(QPen(kInk, 5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(17, 26), QPointF(35, 26));
    if (in) {
      painter.drawLine(QPointF(26, 17), QPointF(26, 35));
    }
  });
}

QIcon PrinterIcon() {
  return DrawnIcon([](QPainter& painter) {
    painter.setPen(QPen(kInk, 4, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(18, 6, 28, 22));  // the sheet going in
    painter.setBrush(QColor(0x9E, 0x9E, 0x9E));
    painter.drawRoundedRect(QRectF(6, 24, 52, 24), 4, 4);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(16, 40, 32, 18));  // the sheet coming out
  });
}

}  // namespace calvora
