// The program's icon, drawn rather than shipped: a wheel on a dark blue tile. The window icon and the
// icon files of the Windows executables and of the desktop's theme (fleetwick-icon) are all made
// from this one drawing.
#include "main/Fleetwick.h"

#include <QPainter>
#include <QPixmap>

namespace fw {

void drawFleetwickIcon(QPainter& p, qreal s) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x1f, 0x3a, 0x68));
  p.drawRoundedRect(QRectF(0, 0, s, s), s / 6, s / 6);
  // Tyre, rim and hub.
  p.setBrush(QColor(0x20, 0x20, 0x20));
  p.drawEllipse(QRectF(s * 0.12, s * 0.12, s * 0.76, s * 0.76));
  p.setBrush(QColor(0xc8, 0xc8, 0xc8));
  p.drawEllipse(QRectF(s * 0.28, s * 0.28, s * 0.44, s * 0.44));
  p.setBrush(QColor(0xe0, 0x30, 0x30));
  p.drawEllipse(QRectF(s * 0.42, s * 0.42, s * 0.16, s * 0.16));
}

QImage fleetwickIconImage(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  drawFleetwickIcon(p, size);
  return image;
}

QIcon fleetwickIcon() {
  QIcon icon;
  for (int size : fleetwickIconSizes)
    icon.addPixmap(QPixmap::fromImage(fleetwickIconImage(size)));
  return icon;
}

} // namespace fw
