// Writes a smaller copy of a picture for the icon theme's fixed sizes.
//   ScaleIcon <in.png> <out.png> <size>
#include <QImage>
#include <QString>
#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: ScaleIcon <in.png> <out.png> <size>\n");
    return 2;
  }
  bool number = false;
  const int size = QString::fromLocal8Bit(argv[3]).toInt(&number);
  QImage picture(QString::fromLocal8Bit(argv[1]));
  if (picture.isNull() || !number || size < 1 || size > picture.width() ||
      size > picture.height()) {
    // Only smaller: an enlarged copy would be a blur, not an icon.
    std::fprintf(stderr, "ScaleIcon: cannot make %s px from %s\n", argv[3], argv[1]);
    return 1;
  }
  // Averaged with premultiplied alpha, so that transparent pixels lend no
  // colour to the edges.
  const QImage scaled = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                            .scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                            .convertToFormat(QImage::Format_ARGB32);
  if (!scaled.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
    std::fprintf(stderr, "ScaleIcon: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
