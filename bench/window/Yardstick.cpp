// A plain window of the card table's size holding as many text labels (38)
// and card pictures (13) as the table, and nothing else: no game, no sound,
// no about box. Started from the game's folder so that it shows the same
// card pictures. It measures what any Qt window of that kind costs.
#include <QApplication>
#include <QLabel>
#include <QPixmap>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Yardstick"));
  window.setFixedSize(793, 575);
  QPalette palette = window.palette();
  palette.setColor(QPalette::Window, QColor(0, 128, 128));
  window.setPalette(palette);
  window.setAutoFillBackground(true);

  constexpr int kLabels = 38;
  for (int i = 0; i < kLabels; ++i) {
    auto* label = new QLabel(QStringLiteral(" %1 : Total = ").arg(i), &window);
    label->setGeometry(8 + (i % 3) * 260, 4 + (i / 3) * 17, 225, 17);
  }
  constexpr int kPictures = 13;
  for (int i = 0; i < kPictures; ++i) {
    auto* picture = new QLabel(&window);
    picture->setPixmap(QPixmap(QStringLiteral("Im/%1.Bmp").arg(i + 1)));
    picture->setGeometry(10 + i * 55, 400, 102, 154);
  }
  window.show();
  return QApplication::exec();
}
