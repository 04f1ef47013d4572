// image-size FILE...: every image in each file decoded, one line each, as WIDTHxHEIGHT, or
// "unreadable" where the decoder fails: what the desktop's image loaders would make of the icons.
#include <QGuiApplication>
#include <QImageReader>

#include <cstdio>

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  for (const QString& file : QCoreApplication::arguments().mid(1)) {
    QImageReader reader(file);
    do {
      const QImage image = reader.read();
      std::puts(image.isNull() ? "unreadable"
                               : qPrintable(QStringLiteral("%1x%2").arg(image.width()).arg(image.height())));
    } while (reader.jumpToNextImage());
  }
  return 0;
}
