#include "ui/Unit3.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <utility>

#include "engine/ChooserBands.h"
#include "ui/GamePictures.h"
#include "ui/TablePlace.h"

namespace belote {

namespace {
constexpr int kWidth = kChooserWidth;
constexpr int kHeight = kChooserHeight;
// Over the table's bottom left, on the deal panel and the first cards.
const QPoint kCorner(234, 466);
}  // namespace

TForm3::TForm3(std::function<bool(int x)> image14MouseDown, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), onPress_(std::move(image14MouseDown)) {
  setObjectName("Form3");
  setModal(true);
  setFixedSize(kWidth, kHeight);

  image14_ = new QLabel(this);
  image14_->setObjectName("Image14");
  image14_->setGeometry(0, 0, kWidth, kHeight);
  image14_->setAlignment(Qt::AlignCenter);
  // Without the picture the chooser still takes presses at the right places.
  const QPixmap picture = LoadGamePicture(QStringLiteral("Im/Choix.Bmp"), qApp->devicePixelRatio());
  if (!picture.isNull()) image14_->setPixmap(picture);
  image14_->installEventFilter(this);

  move(Corner());
}

QPoint TForm3::Corner() const {
  return PlaceOverTable(parentWidget(), kCorner, frameGeometry().size());
}

void TForm3::ForceClose() {
  forceClosing_ = true;
  reject();
}

void TForm3::Image14MouseDown(int x) {
  if (onPress_ && onPress_(x)) accept();
}

bool TForm3::eventFilter(QObject* watched, QEvent* event) {
  // Every press counts, whichever button, the second press of a double
  // click included.
  if (watched == image14_ &&
      (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    Image14MouseDown(static_cast<int>(mouse->position().x()));
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void TForm3::keyPressEvent(QKeyEvent* event) {
  // No key closes the chooser: the player must click a tile.
  event->accept();
}

void TForm3::reject() {
  if (forceClosing_) QDialog::reject();
}

void TForm3::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  const QPoint corner = Corner();
  if (pos() != corner) move(corner);
}

}  // namespace belote
