// fleetwick-icon ICO_FILE: writes the program's icon as a Windows icon file for the Windows
// executables' resources, since the cross build cannot run what it compiles to draw it there.
// fleetwick-icon --theme FOLDER NAME: writes it into an icon theme's folder, as the desktop's menus
// look it up: a PNG per size in FOLDER/<size>x<size>/apps/NAME.png and FOLDER/scalable/apps/NAME.svg.
#include "main/Fleetwick.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgGenerator>
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

bool writeTheme(const QString& folder, const QString& name) {
  for (int size : fw::fleetwickIconSizes) {
    const QString apps = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(size);
    if (!QDir().mkpath(apps) ||
        !fw::fleetwickIconImage(size).save(apps + QLatin1Char('/') + name + QStringLiteral(".png")))
      return false;
  }
  const QString scalable = folder + QStringLiteral("/scalable/apps");
  const int size = fw::fleetwickIconSizes.back();
  QBuffer drawing;
  QSvgGenerator svg;
  svg.setOutputDevice(&drawing);
  svg.setSize(QSize(size, size));
  svg.setViewBox(QRect(0, 0, size, size));
  svg.setTitle(QStringLiteral("Fleetwick"));
  QPainter painter;
  if (!painter.begin(&svg)) return false;
  fw::drawFleetwickIcon(painter, size);
  if (!painter.end()) return false;
  // Qt gives the size in millimetres, which renderers turn into pixels at 90 or 96 per inch: in
  // pixels it is one size everywhere. The drawing has no text: the font of a painter that had none
  // to draw (size -1) goes.
  QString text = QString::fromUtf8(drawing.data());
  text.remove(QRegularExpression(QStringLiteral(R"(\s*font-family="[^"]*" font-size="-1"[^>]*)")));
  text.replace(QRegularExpression(QStringLiteral(R"( width="[0-9.]+mm" height="[0-9.]+mm")")),
               QStringLiteral(R"( width="%1" height="%1")").arg(size));
  QFile file(scalable + QLatin1Char('/') + name + QStringLiteral(".svg"));
  const QByteArray bytes = text.toUtf8();
  return QDir().mkpath(scalable) && file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() &&
         file.flush();
}

} // namespace

int main(int argc, char* argv[]) {
  if (argc == 4 && QByteArray(argv[1]) == "--theme") {
    if (writeTheme(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]))) return 0;
    std::fprintf(stderr, "fleetwick-icon: cannot write the icons into %s\n", argv[2]);
    return 1;
  }
  if (argc != 2) {
    std::fprintf(stderr, "Usage: fleetwick-icon ICO_FILE\n       fleetwick-icon --theme FOLDER NAME\n");
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
