// Prints how many distinct colours a rectangle of an X window holds: the
// install test tells a painted picture from an empty control with it.
//   WindowColours <window id> <x> <y> <width> <height>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <cstdio>
#include <set>

int main(int argc, char** argv) {
  if (argc != 6) {
    std::fprintf(stderr, "usage: %s <window id> <x> <y> <width> <height>\n", argv[0]);
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "xcb");
  int qtArgc = 1;
  QGuiApplication app(qtArgc, argv);
  const WId window = QByteArray(argv[1]).toULongLong(nullptr, 0);
  const QImage image =
      QGuiApplication::primaryScreen()
          ->grabWindow(window, QByteArray(argv[2]).toInt(), QByteArray(argv[3]).toInt(),
                       QByteArray(argv[4]).toInt(), QByteArray(argv[5]).toInt())
          .toImage()
          .convertToFormat(QImage::Format_RGB32);
  if (image.isNull()) {
    std::fprintf(stderr, "%s: cannot read window %s\n", argv[0], argv[1]);
    return 1;
  }
  std::set<QRgb> colours;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      colours.insert(image.pixel(x, y));
    }
  }
  std::printf("%zu\n", colours.size());
  return 0;
}
