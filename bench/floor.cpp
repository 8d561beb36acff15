// The floor the program is measured against: a plain Qt Widgets window with
// the same menus, the same kinds and number of widgets at the same places,
// and a 48x48 picture read from disk, with no logic at all. What it costs to
// start is what Qt costs.
//   bench_floor <picture.png>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QWidget>

namespace {

class PictureWidget : public QWidget {
 public:
  PictureWidget(QWidget* parent, const QString& path) : QWidget(parent), image_(path) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), image_);
  }

 private:
  QImage image_;
};

QLabel* Label(QWidget* parent, const char* text, QRect geometry, int pixelSize = 0) {
  auto* label = new QLabel(QString::fromUtf8(text), parent);
  label->setGeometry(geometry);
  if (pixelSize > 0) {
    QFont font = label->font();
    font.setPixelSize(pixelSize);
    label->setFont(font);
  }
  return label;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QString picture = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();

  QWidget window;
  window.setWindowTitle("Floor");

  auto* bar = new QMenuBar(&window);
  QMenu* file = bar->addMenu("&File");
  file->addAction("&Quit")->setShortcut(QKeySequence("Ctrl+Q"));
  file->addAction("About");
  QMenu* edit = bar->addMenu("&Edit");
  edit->addAction("&Undo")->setShortcut(QKeySequence::Undo);
  edit->addSeparator();
  edit->addAction("Cu&t")->setShortcut(QKeySequence::Cut);
  edit->addAction("&Copy")->setShortcut(QKeySequence::Copy);
  edit->addAction("&Paste")->setShortcut(QKeySequence::Paste);
  edit->addAction("&Delete");
  edit->addSeparator();
  edit->addAction("Select &All")->setShortcut(QKeySequence::SelectAll);
  const int top = bar->sizeHint().height();
  bar->setGeometry(0, 0, 490, top);

  auto* content = new QWidget(&window);
  content->setGeometry(0, top, 490, 149);
  Label(content, "% of", {183, 14, 36, 20});
  (new QLineEdit(content))->setGeometry(127, 13, 50, 22);
  (new QLineEdit(content))->setGeometry(218, 13, 89, 22);
  Label(content, "", {319, 77, 151, 20});
  Label(content, "", {319, 109, 151, 20});
  (new QPushButton("Calculate", content))->setGeometry(319, 14, 80, 20);
  (new QPushButton("Clear", content))->setGeometry(411, 14, 59, 20);
  Label(content, "", {319, 45, 151, 20});
  Label(content, "What's", {79, 13, 46, 20});
  Label(content, "Click on a result to copy to clipboard -->", {79, 45, 230, 17}, 11)->hide();
  (new QPushButton("Launch calculator", content))->setGeometry(20, 77, 141, 20);
  Label(content, "www.example.com", {20, 112, 133, 16}, 11);
  (new PictureWidget(content, picture))->setGeometry(20, 14, 48, 48);

  window.setFixedSize(490, 149 + top);
  window.show();
  return QApplication::exec();
}
