#include "ui/Unit3.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <utility>

#include "engine/ChooserBands.h"
#include "ui/CardNames.h"
#include "ui/FocusRing.h"
#include "ui/GamePictures.h"
#include "ui/TableAccess.h"
#include "ui/TablePlace.h"

namespace belote {

namespace {
constexpr int kWidth = kChooserWidth;
constexpr int kHeight = kChooserHeight;
// Over the table's bottom left, on the deal panel and the first cards.
const QPoint kCorner(234, 466);
// The tiles fill the picture down to the banner along its bottom.
constexpr int kTileHeight = 78;

// Left to right on the picture: the four suits, then the pass tile.
constexpr int kTileOrder[5] = {1, 2, 3, 4, 0};
}  // namespace

ChooserTile::ChooserTile(QWidget* parent, int suit) : QAbstractButton(parent), suit_(suit) {
  const ChooserBand& band = ChooserBandOf(suit);
  // The pass band takes every press from its first x on; its tile ends with
  // the picture.
  setGeometry(band.first, 0, band.last - band.first + 1, kTileHeight);
  setFocusPolicy(Qt::StrongFocus);
  // Presses of the mouse go on to the picture below, judged by their x.
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAccessibleName(suit == 0 ? QStringLiteral("Non, pas cette fois") : SpokenSuitName(suit));
}

void ChooserTile::paintEvent(QPaintEvent*) {
  if (!hasFocus()) return;
  QPainter p(this);
  DrawFocusOutline(p, rect());
}

TForm3::TForm3(std::function<bool(int x)> image14MouseDown, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), onPress_(std::move(image14MouseDown)) {
  setObjectName("Form3");
  setModal(true);
  setFixedSize(kWidth, kHeight);
  // The banner's words: what the player is asked to do.
  setAccessibleName(QStringLiteral("Cliquez sur la couleur où vous désirez aller"));

  image14_ = new QLabel(this);
  image14_->setObjectName("Image14");
  image14_->setGeometry(0, 0, kWidth, kHeight);
  image14_->setAlignment(Qt::AlignCenter);
  // Without the picture the chooser still takes presses at the right places.
  const QPixmap picture = LoadGamePicture(QStringLiteral("Im/Choix.Bmp"), qApp->devicePixelRatio());
  if (!picture.isNull()) image14_->setPixmap(picture);
  image14_->installEventFilter(this);

  for (int suit : kTileOrder) {
    auto* tile = new ChooserTile(this, suit);
    tile->setObjectName(QStringLiteral("Tile%1").arg(suit));
    connect(tile, &QAbstractButton::clicked, this, [this, suit] { PressTile(suit); });
    tiles_[static_cast<size_t>(suit)] = tile;
  }
  tiles_[1]->setFocus();

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

void TForm3::PressTile(int suit) {
  // The tile pressed keeps the keyboard, so that the outline shows the
  // choice while the chooser stays open on the turned-up suit.
  Tile(suit)->setFocus();
  Image14MouseDown(BandMiddle(ChooserBandOf(suit)));
}

int TForm3::TileOfKey(const QKeyEvent& key) {
  const Qt::KeyboardModifiers allowed = Qt::ShiftModifier | Qt::KeypadModifier;
  if ((key.modifiers() & ~allowed) != Qt::NoModifier) return -1;
  if (key.key() == Qt::Key_Escape) return 0;
  if (key.key() >= Qt::Key_1 && key.key() <= Qt::Key_4) return key.key() - Qt::Key_1 + 1;
  const int french = FrenchTopRowSlot(key.key());
  return french >= 1 && french <= 4 ? french : -1;
}

void TForm3::MoveFocus(int step) {
  int at = 0;
  for (int i = 0; i < 5; ++i)
    if (Tile(kTileOrder[i]) == focusWidget()) at = i;
  Tile(kTileOrder[(at + step + 5) % 5])->setFocus();
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
  event->accept();
  // A key held down presses its tile once.
  if (event->isAutoRepeat()) return;
  const int tile = TileOfKey(*event);
  if (tile >= 0) {
    PressTile(tile);
    return;
  }
  switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
      MoveFocus(-1);
      break;
    case Qt::Key_Right:
    case Qt::Key_Down:
      MoveFocus(1);
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      if (auto* tile = dynamic_cast<ChooserTile*>(focusWidget())) PressTile(tile->Suit());
      break;
    default:
      break;
  }
}

void TForm3::reject() {
  // Closing the chooser from the keyboard or the window manager is the pass
  // tile: the game can neither go on without an answer nor keep a chooser
  // nobody can shut.
  if (forceClosing_) {
    QDialog::reject();
    return;
  }
  PressTile(0);
}

void TForm3::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  const QPoint corner = Corner();
  if (pos() != corner) move(corner);
}

}  // namespace belote
