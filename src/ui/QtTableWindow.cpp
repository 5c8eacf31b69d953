#include "ui/QtTableWindow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QImage>
#include <QTimer>

#include "engine/Bidding.h"
#include "model/Cards.h"
#include "ui/CardNames.h"
#include "ui/GamePictures.h"
#include "ui/GameSound.h"
#include "ui/MessageBoxes.h"
#include "ui/TableAccess.h"
#include "ui/TableAnnouncer.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"

namespace belote {

QtTableWindow::QtTableWindow(TForm1& form, TableState& state) : form_(form), state_(state) {}

QtTableWindow::~QtTableWindow() = default;

namespace {

bool IsHandImage(Control c) {
  return c >= Control::Image1 && c <= Control::Image8;
}

// The empty places lie on the cloth like the cards; nothing of them but a
// faint outline may show, whatever the cloth.
bool IsEmptyPlace(const QString& file) {
  return file == QLatin1String(kBlankHandFile) || file == QLatin1String(kPlayedSlotFile) ||
         file == QLatin1String(kClearedPlaceFile);
}

// The card pictures are drawn on the default cloth: their rounded corners and
// the rim around them are that teal. Those pixels are made see-through, so
// the cards sit on whatever cloth the player has chosen. On a card only the
// rim and the corners are touched, so that its face keeps all its colours;
// an empty place loses all its teal, and its outline is only a faint trace.
QPixmap OnAnyCloth(const QPixmap& drawn, bool emptyPlace) {
  if (drawn.isNull()) return {};
  QImage image = drawn.toImage().convertToFormat(QImage::Format_ARGB32);
  const QRgb teal = TForm1::Teal().rgb() & 0xFFFFFF;
  // A picture for a high-density screen has its rim and corners twice as wide.
  const int scale = qMax(1, qRound(drawn.devicePixelRatio()));
  const int rim = 3 * scale;
  const int cornerSize = 10 * scale;
  constexpr int kOutlineAlpha = 90;
  const int w = image.width();
  const int h = image.height();
  for (int y = 0; y < h; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    const bool edgeRow = y < rim || y >= h - rim;
    const bool cornerRow = y < cornerSize || y >= h - cornerSize;
    for (int x = 0; x < w; ++x) {
      const bool isTeal = (line[x] & 0xFFFFFF) == teal;
      if (emptyPlace) {
        line[x] = isTeal ? 0 : qRgba(qRed(line[x]), qGreen(line[x]), qBlue(line[x]), kOutlineAlpha);
        continue;
      }
      const bool edge = edgeRow || x < rim || x >= w - rim;
      const bool corner = cornerRow && (x < cornerSize || x >= w - cornerSize);
      if ((edge || corner) && isTeal) line[x] = 0;
    }
  }
  QPixmap picture = QPixmap::fromImage(image);
  picture.setDevicePixelRatio(drawn.devicePixelRatio());
  return picture;
}

// A wholly see-through picture the size of `place`.
QPixmap Bare(const QPixmap& place) {
  static QHash<qreal, QPixmap> bare;
  auto it = bare.find(place.devicePixelRatio());
  if (it == bare.end()) {
    QPixmap clear(place.size());
    clear.fill(Qt::transparent);
    clear.setDevicePixelRatio(place.devicePixelRatio());
    it = bare.insert(place.devicePixelRatio(), clear);
  }
  return it.value();
}

}  // namespace

QPixmap QtTableWindow::Picture(const QString& file, qreal pixelRatio) {
  // A missing file is remembered as an empty picture: the place stays empty
  // and the disk is not asked again for every card.
  static QHash<QString, QPixmap> cache;
  const bool sharp = pixelRatio > 1.0;
  const QString key = sharp ? HighDensityFile(file) : file;
  auto it = cache.find(key);
  if (it == cache.end())
    it = cache.insert(key, OnAnyCloth(LoadGamePicture(file, pixelRatio), IsEmptyPlace(file)));
  return it.value();
}

void QtTableWindow::SetText(Control c, std::string_view text) {
  if (QLabel* label = form_.ControlWidget(c)) {
    const QString words = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    label->setText(words);
    if (TableAnnouncer* announcer = TableAnnouncer::Of(form_)) announcer->TextShown(c, words);
  }
}

void QtTableWindow::LoadPicture(Control image, std::string_view file) {
  QLabel* label = form_.ControlWidget(image);
  if (label == nullptr) return;
  const QString name = QString::fromUtf8(file.data(), static_cast<qsizetype>(file.size()));
  QPixmap picture = Picture(name, form_.devicePixelRatioF());
  const bool emptiedSlot = IsHandImage(image) && IsEmptyPlace(name);
  // In the fan an emptied slot lies over the card to its left: not even the
  // outline of the place is drawn there, so that card shows whole.
  if (emptiedSlot && !picture.isNull()) picture = Bare(picture);
  label->setPixmap(picture);
  // An image takes the size of its picture (in table pixels, whatever the
  // screen); an empty one keeps its place.
  if (!picture.isNull()) label->resize(picture.deviceIndependentSize().toSize());
  // An emptied hand slot lets the clicks through to the card beneath it, as
  // a player expects of a bare cloth.
  if (IsHandImage(image)) label->setAttribute(Qt::WA_TransparentForMouseEvents, emptiedSlot);
  NamePicture(form_, image, PictureFileName(file));
}

void QtTableWindow::CopyPicture(Control from, Control to) {
  QLabel* source = form_.ControlWidget(from);
  QLabel* target = form_.ControlWidget(to);
  if (source == nullptr || target == nullptr) return;
  const QPixmap picture = source->pixmap();
  target->setPixmap(picture);
  if (!picture.isNull()) target->resize(picture.deviceIndependentSize().toSize());
  NamePicture(form_, to, CardNameOf(form_, from));
}

void QtTableWindow::SetImageLeft(Control image, int left) {
  if (QLabel* label = form_.ControlWidget(image)) label->move(left, label->y());
}

void QtTableWindow::SetImageTop(Control image, int top) {
  if (QLabel* label = form_.ControlWidget(image)) label->move(label->x(), top);
}

void QtTableWindow::StartAnimationTimer() {
  if (!closing_) form_.Timer1->start();
}

void QtTableWindow::Pause() {
  if (closing_) return;
  TForm2 pause(&form_, pauseMs_);
  pause.exec();
}

int QtTableWindow::MessageBox(Box box, const std::string& text, Buttons buttons,
                              std::optional<ScreenPos> pos) {
  if (closing_) return kAnswerClosed;
  return form_.ShowBox(text, buttons, pos, DescribeBox(form_, box));
}

void QtTableWindow::RunSuitChooser() {
  if (closing_) return;
  const auto press = [this](int x) { return SuitChooserPress(state_, *this, x); };
  if (const ChooserAnswerer& answerer = form_.Options().chooserAnswerer) {
    // A scripted player may keep pressing between the tiles; give up long
    // before that could hang a test.
    for (int presses = 0; presses < 1000 && !closing_; ++presses) {
      if (press(answerer())) return;
    }
    return;
  }
  TForm3 chooser(press, &form_);
  chooser_ = &chooser;
  chooser.exec();
  chooser_ = nullptr;
}

void QtTableWindow::PlaySound(const std::string& file) {
  // Without a sound output there is nothing to play on, and the multimedia
  // back end is not even woken.
  if (!soundDevice_ || closing_) return;
  if (const SoundSink& sink = form_.Options().soundSink) {
    sink(file);
    return;
  }
  if (!sound_) sound_ = std::make_unique<GameSound>(&form_);
  sound_->Play(QString::fromStdString(file));
}

void QtTableWindow::Quit() {
  closing_ = true;
  TForm2::SetClosing(true);
  TForm2::StopAll();
  form_.Timer1->stop();
  if (chooser_) chooser_->ForceClose();
  // Any other box still waiting for an answer is dismissed: the program is
  // ending and nobody will read it.
  if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
    if (box != chooser_) box->reject();
  }
  if (quitQueued_) return;
  quitQueued_ = true;

  // The window closes only after the play step has unwound from its waits,
  // so that no engine code runs on a closed table.
  QTimer::singleShot(0, &form_, [this] { FinishQuit(); });
}

void QtTableWindow::FinishQuit() {
  if (form_.GameState().inPlayStep) {
    QTimer::singleShot(0, &form_, [this] { FinishQuit(); });
    return;
  }
  if (quitAction_) {
    quitAction_();
    return;
  }
  form_.close();
  QCoreApplication::exit(0);
}

}  // namespace belote
