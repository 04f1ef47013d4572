// fleetwick-icon ICO_FILE: writes the program's icon as a Windows icon file for the Windows
// executables' resources, since the cross build cannot run what it compiles to draw it there.
#include "main/Fleetwick.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QtEndian>

#include <cstdio>

namespace {

void append16(QByteArray& out, quint16 value) {
  const quint16 le = qToLittleEndian(value);
  out.append(reinterpret_cast<const char*>(&le), sizeof le);
}

void append32(QByteArray& out, quint32 value) {
  const quint32 le = qToLittleEndian(value);
  out.append(reinterpret_cast<const char*>(&le), sizeof le);
}

// An icon file: a 6-byte header, a 16-byte directory entry per image, then the images, each a PNG
// (which Windows reads in icon files at every size since Vista).
QByteArray iconFile() {
  QList<QByteArray> images;
  for (int size : fw::fleetwickIconSizes) {
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    fw::fleetwickIconImage(size).save(&png, "PNG");
    images.append(png.data());
  }
  QByteArray out;
  append16(out, 0); // reserved
  append16(out, 1); // an icon, not a cursor
  append16(out, quint16(images.size()));
  quint32 offset = 6 + 16 * quint32(images.size());
  for (qsizetype i = 0; i < images.size(); ++i) {
    const int size = fw::fleetwickIconSizes[size_t(i)];
    out.append(char(size & 0xff)); // 256 is written as 0
    out.append(char(size & 0xff));
    out.append(char(0)); // no palette
    out.append(char(0)); // reserved
    append16(out, 1);    // colour planes
    append16(out, 32);   // bits per pixel
    append32(out, quint32(images[i].size()));
    append32(out, offset);
    offset += quint32(images[i].size());
  }
  for (const QByteArray& image : images)
    out.append(image);
  return out;
}

} // namespace

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fprintf(stderr, "Usage: fleetwick-icon ICO_FILE\n");
    return 2;
  }
  QFile file(QString::fromLocal8Bit(argv[1]));
  const QByteArray bytes = iconFile();
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush()) {
    std::fprintf(stderr, "fleetwick-icon: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
