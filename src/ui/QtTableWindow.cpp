#include "ui/QtTableWindow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

#include "engine/Bidding.h"
#include "ui/CardNames.h"
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

// The card pictures are drawn on the default cloth: their rounded corners and
// the rim around an empty place are that teal. Those pixels are made see-
// through, so the cards sit on whatever cloth the player has chosen. Only
// the rim and the corners are touched: a card's face keeps all its colours.
QPixmap OnAnyCloth(const QImage& drawn) {
  if (drawn.isNull()) return {};
  QImage image = drawn.convertToFormat(QImage::Format_ARGB32);
  const QRgb teal = TForm1::Teal().rgb();
  constexpr int kRim = 3;
  constexpr int kCorner = 10;
  const int w = image.width();
  const int h = image.height();
  for (int y = 0; y < h; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    const bool edgeRow = y < kRim || y >= h - kRim;
    const bool cornerRow = y < kCorner || y >= h - kCorner;
    for (int x = 0; x < w; ++x) {
      const bool edge = edgeRow || x < kRim || x >= w - kRim;
      const bool corner = cornerRow && (x < kCorner || x >= w - kCorner);
      if ((edge || corner) && (line[x] & 0xFFFFFF) == (teal & 0xFFFFFF)) line[x] = 0;
    }
  }
  return QPixmap::fromImage(image);
}

}  // namespace

QPixmap QtTableWindow::Picture(const QString& file) {
  // A missing file is remembered as an empty picture: the place stays empty
  // and the disk is not asked again for every card.
  static QHash<QString, QPixmap> cache;
  auto it = cache.find(file);
  if (it == cache.end()) it = cache.insert(file, OnAnyCloth(QImage(file)));
  return it.value();
}

void QtTableWindow::ShowText(Control c, std::string_view text) {
  if (QLabel* label = form_.ControlWidget(c)) {
    const QString words = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    label->setText(words);
    if (TableAnnouncer* announcer = TableAnnouncer::Of(form_)) announcer->TextShown(c, words);
  }
}

void QtTableWindow::ShowPicture(Control image, std::string_view file) {
  QLabel* label = form_.ControlWidget(image);
  if (label == nullptr) return;
  const QPixmap picture =
      Picture(QString::fromUtf8(file.data(), static_cast<qsizetype>(file.size())));
  label->setPixmap(picture);
  // An image takes the size of its picture; an empty one keeps its place.
  if (!picture.isNull()) label->resize(picture.size());
  NamePicture(form_, image, PictureFileName(file));
}

void QtTableWindow::ShowCopiedPicture(Control from, Control to) {
  QLabel* source = form_.ControlWidget(from);
  QLabel* target = form_.ControlWidget(to);
  if (source == nullptr || target == nullptr) return;
  const QPixmap picture = source->pixmap();
  target->setPixmap(picture);
  if (!picture.isNull()) target->resize(picture.size());
  NamePicture(form_, to, CardNameOf(form_, from));
}

void QtTableWindow::MoveImageLeft(Control image, int left) {
  if (QLabel* label = form_.ControlWidget(image)) label->move(left, label->y());
}

void QtTableWindow::MoveImageTop(Control image, int top) {
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
  return ShowTableMessage(&form_, text, buttons, pos, DescribeBox(form_, box));
}

void QtTableWindow::RunSuitChooser() {
  if (closing_) return;
  const auto press = [this](int x) { return SuitChooserPress(state_, *this, x); };
  if (chooserAnswerer_) {
    // A scripted player may keep pressing between the tiles; give up long
    // before that could hang a test.
    for (int presses = 0; presses < 1000 && !closing_; ++presses) {
      if (press(chooserAnswerer_())) return;
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
  if (soundSink_) {
    soundSink_(file);
    return;
  }
  if (sound_ == nullptr) sound_ = new QSoundEffect(&form_);
  // A new sound cuts the one still playing.
  sound_->stop();
  // A missing file simply stays silent. It is not even handed to the
  // multimedia back end: that only fills the terminal with decoding errors,
  // and its failed loads leave memory behind.
  const QString path = QDir::current().absoluteFilePath(QString::fromStdString(file));
  if (!QFileInfo::exists(path)) return;
  sound_->setSource(QUrl::fromLocalFile(path));
  sound_->play();
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
