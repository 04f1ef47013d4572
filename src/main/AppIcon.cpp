// The program's icon, drawn rather than shipped: a wheel on a dark blue tile.
#include "main/Fleetwick.h"

#include <QPainter>
#include <QPixmap>

namespace fw {

QIcon fleetwickIcon() {
  QIcon icon;
  for (int size : {16, 32, 48}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
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
    p.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

} // namespace fw
