#include "ui/boxes/Unit3.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <utility>

#include "engine/ChooserBands.h"
#include "model/PictureFiles.h"
#include "ui/desktop/GamePictures.h"
#include "ui/record/CardNames.h"
#include "ui/widgets/FocusRing.h"

namespace belote {

namespace {
// Left to right on the picture: the four suits, then the pass tile.
constexpr int kTileOrder[5] = {1, 2, 3, 4, 0};
}  // namespace

ChooserTile::ChooserTile(QWidget* parent, int suit) : QAbstractButton(parent), suit_(suit) {
  const ChooserBand& band = ChooserBandOf(suit);
  // The pass band takes every press from its first x on; its tile ends with
  // the picture.
  setGeometry(band.first, 0, band.last - band.first + 1, kChooserBannerTop);
  setFocusPolicy(Qt::StrongFocus);
  // Presses of the mouse go on to the picture below, judged by their x.
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAccessibleName(suit == 0 ? QStringLiteral("Non, pas cette fois")
                              : QString::fromStdString(SpokenSuitName(suit)));
}

void ChooserTile::paintEvent(QPaintEvent*) {
  if (!hasFocus() || !KeyboardInUse()) return;
  QPainter p(this);
  DrawFocusOutline(p, rect());
}

TForm3::TForm3(std::function<bool(int x)> image14MouseDown, const QString& description,
               QWidget* parent)
    : TableBox(parent, Qt::Dialog | Qt::FramelessWindowHint),
      onPress_(std::move(image14MouseDown)) {
  setObjectName("Form3");
  setFixedSize(kChooserWidth, kChooserHeight);
  // The banner's words: what the player is asked to do.
  setAccessibleName(QStringLiteral("Cliquez sur la couleur où vous désirez aller"));
  setAccessibleDescription((description.isEmpty() ? QString() : description + QLatin1Char(' ')) +
                           QString::fromStdString(ChooserKeysDescription()));

  image14_ = new QLabel(this);
  image14_->setObjectName("Image14");
  image14_->setGeometry(0, 0, kChooserWidth, kChooserHeight);
  image14_->setAlignment(Qt::AlignCenter);
  // Without the picture the chooser still takes presses at the right places.
  const QPixmap picture =
      LoadGamePicture(QString::fromLatin1(kChooserPicture), qApp->devicePixelRatio());
  if (!picture.isNull()) image14_->setPixmap(picture);
  image14_->installEventFilter(this);

  for (int suit : kTileOrder) {
    auto* tile = new ChooserTile(this, suit);
    tile->setObjectName(QStringLiteral("Tile%1").arg(suit));
    connect(tile, &QAbstractButton::clicked, this, [this, suit] { PressTile(suit); });
    tiles_[static_cast<size_t>(suit)] = tile;
  }
  tiles_[1]->setFocus();

  PlaceAt(kChooserPlace);
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
  return TableBox::eventFilter(watched, event);
}

void TForm3::keyPressEvent(QKeyEvent* event) {
  event->accept();
  keys_.SetReaderListening(QAccessible::isActive());
  const Order order =
      keys_.Press(KeyPlace::Chooser, event->key(), event->modifiers(), event->isAutoRepeat());
  switch (order.command) {
    case Command::ChooseTile:
      PressTile(order.arg);
      break;
    case Command::PreviousTile:
      MoveFocus(-1);
      break;
    case Command::NextTile:
      MoveFocus(1);
      break;
    case Command::PressFocusedTile:
      if (auto* tile = dynamic_cast<ChooserTile*>(focusWidget())) PressTile(tile->Suit());
      break;
    default:
      break;
  }
}

void TForm3::keyReleaseEvent(QKeyEvent* event) {
  keys_.Release(event->key());
  TableBox::keyReleaseEvent(event);
}

void TForm3::reject() {
  // Closing the chooser from the keyboard or the window manager is the pass
  // tile: the game can neither go on without an answer nor keep a chooser
  // nobody can shut.
  if (forceClosing_) {
    TableBox::reject();
    return;
  }
  PressTile(0);
}

void TForm3::showEvent(QShowEvent* event) {
  TableBox::showEvent(event);
  PlaceAt(kChooserPlace);
}

}  // namespace belote
