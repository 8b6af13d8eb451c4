#include "shell/gui/app_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

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

QPixmap Drawn(int size, bool badge) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size / 64.0, size / 64.0);
  if (badge) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1F, 0x5F, 0x7A));
    painter.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
  }
  PaintSection(painter, badge);
  return pixmap;
}

QIcon DrawnIcon(bool badge) {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128}) {
    icon.addPixmap(Drawn(size, badge));
  }
  return icon;
}

}  // namespace

QIcon CalvoraIcon() {
  return DrawnIcon(true);
}

QIcon CrossSectionIcon() {
  return DrawnIcon(false);
}

}  // namespace calvora
