#include "ui/table/Unit1.h"

#include <QApplication>
#include <QAudioDevice>
#include <QCheckBox>
#include <QCloseEvent>
#include <QColorDialog>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMediaDevices>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <algorithm>

#include "engine/ChooserBands.h"
#include "engine/PlayStep.h"
#include "engine/TableGeometry.h"
#include "model/Cards.h"
#include "model/PictureFiles.h"
#include "ui/boxes/Apropos.h"
#include "ui/boxes/Unit2.h"
#include "ui/boxes/Unit3.h"
#include "ui/desktop/ClothPictures.h"
#include "ui/desktop/Desktop.h"
#include "ui/desktop/GamePictures.h"
#include "ui/desktop/ScreenPlacement.h"
#include "ui/desktop/WindowManager.h"
#include "ui/record/CardNames.h"
#include "ui/record/DealForecast.h"
#include "ui/record/Spoken.h"
#include "ui/record/TableAnnouncer.h"
#include "ui/table/PointsField.h"
#include "ui/widgets/TableWidgets.h"

namespace belote {

namespace {

// The cloth of the table until the player picks another.
const QColor kDefaultCloth(0, 128, 128);

bool IsHandControl(Control c) {
  return c >= HandControl(1) && c <= HandControl(8);
}

}  // namespace

TForm1::TForm1(TForm1Options options, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      options_(std::move(options)),
      table_(*this, state_),
      record_(state_),
      news_(record_, [this](const std::string& words) { announcer_->Announce(words); }),
      game_{
          state_, table_, options_.clock != nullptr ? *options_.clock : clock_, {&record_, &news_}},
      sound_(this) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Belote"));
  setFixedSize(kClientWidth, kClientHeight);
  setFont(TableFont());
  setAutoFillBackground(true);
  SetTableColour(kDefaultCloth);

  // The about box comes first: the player sees it at once instead of after
  // the whole table has been built behind it, which nobody sees until the
  // box is closed anyway.
  FormCreate();

  BuildTable();
  announcer_ = new TableAnnouncer(this);
  NameControls();

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(10);
  connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);

  connect(this, &TForm1::Settled, this, &TForm1::AskToCloseIfRequested);
  connect(this, &TForm1::Settled, this, &TForm1::AnnounceTurnIfDue);
  // The table is centred again once the window manager has put its frame
  // around it: the frame, title bar included, is what must be centred.
  WhenFrameKnown(this, [this](QMargins frame) { CentreInFrame(frame); });
  // A close request made while a box is up reaches the window manager's
  // message, not Qt's close event, which the box holds back.
  WhenCloseAsked(this, [this] { RequestClose(); });
}

TForm1::~TForm1() {
  // Nothing may call back into a half-destroyed table.
  Timer1->stop();
  for (QObject* watched : std::initializer_list<QObject*>{Panel1, Edit10, Image1, Image2, Image3,
                                                          Image4, Image5, Image6, Image7, Image8})
    watched->removeEventFilter(this);
}

void TForm1::FormCreate() {
  if (!options_.showAboutBox) return;
  TFormApropos about;
  about.exec();
}

void TForm1::SetTableColour(const QColor& colour) {
  QPalette pal = palette();
  pal.setColor(QPalette::Window, colour);
  setPalette(pal);
}

QColor TForm1::TableColour() const {
  return palette().color(QPalette::Window);
}

// ---------------------------------------------------------------------------
// What the engine shows

void TForm1::ShowText(Control c, const QString& text) {
  if (QLabel* label = controls_[static_cast<int>(c)]) label->setText(text);
}

void TForm1::ShowPicture(Control c, const QString& file) {
  QLabel* label = controls_[static_cast<int>(c)];
  if (label == nullptr) return;
  QPixmap picture = ClothPicture(file, devicePixelRatioF());
  const bool handImage = IsHandControl(c);
  const bool emptiedSlot = handImage && IsEmptyPlaceFile(file);
  // In the fan an emptied slot lies over the card to its left: not even the
  // outline of the place is drawn there, so that card shows whole.
  if (emptiedSlot && !picture.isNull()) picture = BarePicture(picture);
  label->setPixmap(picture);
  // An image takes the size of its picture (in table pixels, whatever the
  // screen); an empty one keeps its place.
  if (!picture.isNull()) label->resize(picture.deviceIndependentSize().toSize());
  // An emptied hand slot lets the clicks through to the card beneath it, as
  // a player expects of a bare cloth.
  if (handImage) label->setAttribute(Qt::WA_TransparentForMouseEvents, emptiedSlot);
  NamePicture(c, QString::fromStdString(PictureFileName(file.toStdString())));
  // No outline may stay around an emptied slot, across the cards beside it.
  if (emptiedSlot && label->hasFocus()) FocusHand();
}

void TForm1::MoveImage(Control c, std::optional<int> left, std::optional<int> top) {
  if (QLabel* label = controls_[static_cast<int>(c)])
    label->move(left.value_or(label->x()), top.value_or(label->y()));
}

void TForm1::StartGlide() {
  if (!closing_) Timer1->start();
}

void TForm1::Pause() {
  if (closing_) return;
  // The player may still ask to hear the game again while the computers
  // think; every other key and click waits.
  TForm2 pause(this, options_.pauseMilliseconds, [](const QKeyEvent& key) {
    return OnlySpeaks(
        KeyReader().Press(KeyPlace::Table, key.key(), key.modifiers(), false).command);
  });
  pauses_.push_back(&pause);
  pause.exec();
  std::erase(pauses_, &pause);
}

int TForm1::ShowEngineBox(Box box, const std::string& text, Buttons buttons,
                          std::optional<BoxPlace> place) {
  if (closing_) return kAnswerClosed;
  // The keyboard that the last deal left on an emptied slot comes back, once
  // the box is closed, to a card of this deal.
  FocusHand();
  // The last trick's box also tells how the deal ends, which the table
  // works out only once the box is closed.
  const RecordedTrick* trick = record_.CurrentTrick();
  const bool lastTrick = box == Box::ConfirmTrick && trick != nullptr && trick->number == 8;
  const std::string description = lastTrick
                                      ? DescribeBox(record_, box, ForecastDealEnd(record_, state_))
                                      : DescribeBox(record_, box, record_);
  return ShowBox(text, buttons, BoxSpot::At(place), description);
}

int TForm1::ShowBox(const std::string& text, Buttons buttons, BoxSpot spot,
                    const std::string& description) {
  ++boxesOpen_;
  const int answer =
      options_.messageAnswerer
          ? options_.messageAnswerer(text, buttons)
          : ShowTableMessage(this, text, buttons, spot, QString::fromStdString(Spoken(text)),
                             QString::fromStdString(description));
  --boxesOpen_;
  SettleIfFree();
  return answer;
}

void TForm1::RunSuitChooser(const std::function<bool(int x)>& press) {
  if (closing_) return;
  // The suit everybody refused keeps the chooser open: the player who does
  // not see it is told why nothing happened.
  const auto judged = [this, &press](int x) {
    const bool closes = press(x);
    const int turnedSuit = record_.turnedCard != 0 ? SuitOfPicture(record_.turnedCard) : 0;
    if (!closes && ChooserTileAt(x) == turnedSuit)
      announcer_->Announce(TurnedSuitRefusedNews(turnedSuit));
    return closes;
  };
  if (options_.chooserAnswerer) {
    // A scripted player may keep pressing between the tiles; give up long
    // before that could hang a test.
    for (int presses = 0; presses < 1000 && !closing_; ++presses) {
      if (judged(options_.chooserAnswerer())) return;
    }
    return;
  }
  TForm3 chooser(judged, QString::fromStdString(DescribeChooser(record_)), this);
  chooser_ = &chooser;
  ++boxesOpen_;
  chooser.exec();
  --boxesOpen_;
  chooser_ = nullptr;
}

void TForm1::PlaySound(const std::string& file) {
  // Without a sound output there is nothing to play on, and the multimedia
  // back end is not even woken.
  if (!soundDevice_ || closing_) return;
  if (options_.soundSink) {
    options_.soundSink(file);
    return;
  }
  sound_.Play(QString::fromStdString(file));
}

// ---------------------------------------------------------------------------
// Start

bool TForm1::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate && !activated_) {
    // After the window has finished becoming active, so that the boxes of
    // the start sequence open over a table that is already drawn.
    QTimer::singleShot(0, this, &TForm1::FormActivate);
  }
  return QWidget::event(event);
}

void TForm1::showEvent(QShowEvent* event) {
  if (!centred_) {
    centred_ = true;
    CentreOnScreen();
    // Ask for the focus: the start sequence waits for the table to become
    // the active window, which a bare display never does on its own.
    QTimer::singleShot(0, this, [this] {
      raise();
      activateWindow();
    });
  }
  QWidget::showEvent(event);
}

void TForm1::CentreOnScreen() {
  // Centred; on a screen smaller than the table its top-left corner stays on
  // the screen, with the control panel and Quitter in reach.
  MoveFrameTo(this, CentredOnScreen(screen(), frameGeometry().size()));
}

void TForm1::CentreInFrame(QMargins frame) {
  if (framed_) return;
  framed_ = true;
  // Placed by the table's own corner: Qt may not know the frame yet.
  const QPoint corner = CentredOnScreen(screen(), size().grownBy(frame));
  setGeometry(QRect(corner + QPoint(frame.left(), frame.top()), size()));
}

void TForm1::FormActivate() {
  // Only the first activation: boxes and the suit chooser give the focus
  // back to the table many times during a game.
  if (activated_ || closing_) return;
  activated_ = true;

  // Said once, before anything else: a game with holes in its pictures is
  // still playable, but the player should know why.
  const QStringList missing = ReportMissingPictures();
  if (!missing.isEmpty())
    ShowBox(MissingPicturesText(missing).toStdString(), Buttons::Ok, BoxSpot::ScreenMiddle());
  if (closing_) return;

  soundDevice_ = options_.soundDevice.has_value() ? *options_.soundDevice
                                                  : !QMediaDevices::audioOutputs().isEmpty();
  if (soundDevice_) {
    PlaySound("So/sonoui.wav");
    state_.SoundOn = 1;
  } else {
    state_.SoundOn = 0;
    ShowBox("Désolé!...Vous n'avez pas de carte sonore.!", Buttons::Ok, BoxSpot::ScreenMiddle());
    if (closing_) return;
  }
  state_.TrumpsPlayed = 0;
  state_.TurnedSuitText.clear();
  state_.TargetScore = kDefaultTargetScore;
  state_.AnimationOn = 0;
  Panel1->show();
  Panel1->raise();
}

// ---------------------------------------------------------------------------
// Options panel

void TForm1::BoutonAClick() {
  if (closing_ || game_.inPlayStep || !BoutonA->isEnabled()) return;
  // The game starts once: a second press while the box below is up must not
  // deal a second time over the first.
  BoutonA->setEnabled(false);
  // Composed form, so that an accent typed as a separate mark stays one
  // letter with its base when the name is cut to its first letters.
  state_.HumanName = Edit10->text().normalized(QString::NormalizationForm_C).toStdString();
  state_.SoundOn = CheckBox1->isChecked() ? 1 : 0;
  if (CheckBox2->isChecked()) {
    state_.AnimationOn = 1;
    BitBtn3->setText(QStringLiteral("Oter l' Animation"));
    ShowBox("Animation des Cartes.", Buttons::Oui, BoxSpot::At(kSwitchBoxPlace));
  } else {
    state_.AnimationOn = 0;
    BitBtn3->setText(QStringLiteral("Mettre Animation"));
    ShowBox("Pas d'animation.", Buttons::Oui, BoxSpot::At(kSwitchBoxPlace));
  }
  if (closing_) return;
  Panel1->hide();
  PlayStep(game_);
  SettleIfFree();
}

void TForm1::BoutonQClick() {
  Quit();
}

void TForm1::Edit10Edited(const QString& text) {
  // Names are written in capitals, accented letters included.
  const QString upper = text.toUpper();
  if (upper == text) return;
  const int cursor = Edit10->cursorPosition();
  Edit10->setText(upper);
  Edit10->setCursorPosition(std::min(cursor, static_cast<int>(upper.size())));
}

// ---------------------------------------------------------------------------
// Control panel

void TForm1::BitBtn1Click() {
  // One chooser for the whole game: building a new one each time left a
  // little memory behind with every visit.
  if (ColorDialog1 == nullptr) {
    // Its custom colours last for the game only, like every other choice.
    KeepQtSettingsInMemory();
    ColorDialog1 = new QColorDialog(this);
    ColorDialog1->setObjectName(QStringLiteral("ColorDialog1"));
  }
  // Opens on the colour last confirmed, whatever was left in it when the
  // player cancelled.
  ColorDialog1->setCurrentColor(lastColour_);
  ++boxesOpen_;
  const int result = ColorDialog1->exec();
  --boxesOpen_;
  if (result == QDialog::Accepted) {
    const QColor colour = ColorDialog1->selectedColor();
    if (colour.isValid()) {
      lastColour_ = colour;
      SetTableColour(colour);
    }
  }
  SettleIfFree();
}

void TForm1::Button2Click() {
  // The help window leaves the player's hand in sight.
  const QRect hand(mapToGlobal(QPoint(kHandLeft[1], kHandTop[4])),
                   mapToGlobal(QPoint(kHandLeft[8] + kCardWidth, kHandTop[1] + kCardHeight)));
  OpenHelpPage(this, options_.helpOpener, kOpenerPatienceMs, hand);
}

void TForm1::Button1Click() {
  quitQuestionUp_ = true;
  const int answer =
      ShowBox("Etes-vous sur de vouloir quitter?", Buttons::OuiNon, BoxSpot::At(kQuitBoxPlace));
  quitQuestionUp_ = false;
  state_.DialogResult = answer;
  if (answer == kAnswerYes) Quit();
}

void TForm1::BitBtn2Click() {
  if (state_.SoundOn == 1) {
    state_.SoundOn = 0;
    BitBtn2->setText(QStringLiteral("Mettre le Son"));
    ShowBox("Le son est innactif.", Buttons::Oui, BoxSpot::At(kSwitchBoxPlace));
  } else {
    state_.SoundOn = 1;
    BitBtn2->setText(QStringLiteral("  Oter le Son"));
    ShowBox("Le son est actif.", Buttons::Oui, BoxSpot::At(kSwitchBoxPlace));
  }
}

void TForm1::BitBtn3Click() {
  if (state_.AnimationOn == 1) {
    state_.AnimationOn = 0;
    BitBtn3->setText(QStringLiteral("Mettre Animation"));
    ShowBox("Pas d'animation.", Buttons::Oui, BoxSpot::At(kSwitchBoxPlace));
  } else {
    state_.AnimationOn = 1;
    BitBtn3->setText(QStringLiteral("Oter l' Animation"));
    ShowBox("Animation des Cartes.", Buttons::Oui, BoxSpot::At(kSwitchBoxPlace));
  }
}

bool TForm1::TakePointsFrom(QLineEdit* field) {
  const std::string text = field->text().toStdString();
  const std::optional<int> points = ParseWholeNumber(text);
  if (!points) {
    const QScreen* screen = this->screen();
    const int room = screen != nullptr ? screen->availableGeometry().width() - 80 : 720;
    // Over the table the player is typing in, wherever it is.
    ShowBox(NotAWholeNumberTextWithin(text, QFontMetrics(QApplication::font()), room), Buttons::Ok,
            BoxSpot::TableMiddle());
    return false;
  }
  state_.TargetScore = *points;
  record_.target = *points;
  return true;
}

void TForm1::Edit1Change() {
  TakePointsFrom(Edit1);
}

void TForm1::Edit11Change() {
  // The options panel's field feeds the control panel's, never the reverse.
  if (TakePointsFrom(Edit11)) Edit1->setText(Edit11->text());
}

// ---------------------------------------------------------------------------
// Cards

void TForm1::ImageClick(int slot) {
  if (closing_ || !HandCardPlayable(game_, slot)) return;
  // A card played at once (the animation was switched off during a glide)
  // ends the glide still under way, or its ticks would carry on lifting hand
  // cards during the play step's pauses.
  if (state_.AnimationOn != 1) humanCardGliding_ = false;
  HandImageClick(game_, slot);
  if (state_.AnimationOn == 1 && Timer1->isActive()) {
    // The card rises over the rest of the hand.
    humanCardGliding_ = true;
    HandImage(slot)->raise();
    return;
  }
  SettleIfFree();
}

// ---------------------------------------------------------------------------
// Waiting and leaving

bool TForm1::Busy() const {
  return game_.inPlayStep || humanCardGliding_ || boxesOpen_ > 0;
}

void TForm1::SettleIfFree() {
  // Judged once the handler that closed the box or ended the glide has
  // finished: it may be about to start the play step.
  QTimer::singleShot(0, this, [this] {
    if (!closing_ && !Busy()) emit Settled();
  });
}

void TForm1::AnnounceTurnIfDue() {
  if (!news_.TurnDue() || record_.SeatToPlay() != 1) return;
  news_.TurnSaid();
  FocusHand();
  std::string news = TurnNews(static_cast<int>(PlayableSlots().size()));
  // The card the keyboard is on may have been dealt or sorted anew since
  // the screen reader said its name: it is said again, only then.
  if (auto* card = qobject_cast<TImage*>(focusWidget())) {
    if (card->accessibleName() != cardNameHeard_) {
      cardNameHeard_ = card->accessibleName();
      news += ", sur " + cardNameHeard_.toStdString();
    }
  }
  announcer_->Announce(news);
}

void TForm1::closeEvent(QCloseEvent* event) {
  if (closing_) {
    Timer1->stop();
    event->accept();
    return;
  }
  event->ignore();
  RequestClose();
}

void TForm1::RequestClose() {
  // Asked to close from outside (the window manager's close button, Alt+F4):
  // the player is asked first, as with Quitter, once the deal has come back
  // to him. Requests made meanwhile, or while the question is up, add nothing.
  if (closing_ || closeRequested_ || quitQuestionUp_) return;
  closeRequested_ = true;
  // Not from inside the window system's close event.
  QTimer::singleShot(0, this, &TForm1::AskToCloseIfRequested);
}

void TForm1::AskToCloseIfRequested() {
  if (!closeRequested_ || closing_ || Busy()) return;
  closeRequested_ = false;
  Button1Click();
}

void TForm1::Quit() {
  closing_ = true;
  for (TForm2* pause : pauses_) pause->Stop();
  Timer1->stop();
  if (auto* chooser = qobject_cast<TForm3*>(chooser_.data())) chooser->ForceClose();
  // Any other box still waiting for an answer is dismissed: the program is
  // ending and nobody will read it.
  if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
    if (box != chooser_) box->reject();
  }
  if (quitQueued_) return;
  quitQueued_ = true;
  // The window closes only after the play step has unwound from its waits,
  // so that no engine code runs on a closed table.
  QTimer::singleShot(0, this, &TForm1::FinishQuit);
}

void TForm1::FinishQuit() {
  if (game_.inPlayStep) {
    QTimer::singleShot(0, this, &TForm1::FinishQuit);
    return;
  }
  close();
  if (options_.exitApplicationOnQuit) QCoreApplication::exit(0);
}

}  // namespace belote
