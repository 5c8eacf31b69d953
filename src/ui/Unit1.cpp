#include "ui/Unit1.h"

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

#include "engine/PlayStep.h"
#include "ui/Apropos.h"
#include "ui/GamePictures.h"
#include "ui/HelpPage.h"
#include "ui/MessageBoxes.h"
#include "ui/TableAccess.h"
#include "ui/TablePlace.h"
#include "ui/Unit2.h"
#include "ui/WholeNumber.h"

namespace belote {

TForm1::TForm1(TForm1Options options, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      options_(std::move(options)),
      table_(*this, state_),
      game_{state_, table_, options_.clock != nullptr ? *options_.clock : clock_} {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Belote"));
  setFixedSize(kClientWidth, kClientHeight);
  setFont(TableFont());
  setAutoFillBackground(true);
  SetTableColour(Teal());
  table_.SetPauseMilliseconds(options_.pauseMilliseconds);
  // Waits are shared by every table; a table made after another one closed
  // (a test, a second game window) must pause again.
  TForm2::SetClosing(false);
  if (!options_.exitApplicationOnQuit) table_.SetQuitAction([this] { close(); });

  // The about box comes first: the player sees it at once instead of after
  // the whole table has been built behind it, which nobody sees until the
  // box is closed anyway.
  FormCreate();

  BuildTable();
  MakeTableAccessible(*this);

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(10);
  connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);

  closeAsk_ = new QTimer(this);
  closeAsk_->setInterval(20);
  connect(closeAsk_, &QTimer::timeout, this, &TForm1::AskToCloseWhenFree);
}

TForm1::~TForm1() {
  // Nothing may call back into a half-destroyed table.
  Timer1->stop();
  ForgetTableAccess(*this);
}

void TForm1::FormCreate() {
  if (!options_.showAboutBox) return;
  TFormApropos about;
  about.exec();
}

int TForm1::ShowBox(const std::string& text, Buttons buttons, std::optional<ScreenPos> pos,
                    const QString& description) {
  if (options_.messageAnswerer) return options_.messageAnswerer(text, buttons);
  return ShowTableMessage(this, text, buttons, pos, description);
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
    // Again once the window manager has put its frame around the table: the
    // frame, title bar included, is what must fit.
    QTimer::singleShot(150, this, &TForm1::CentreOnScreen);
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
  QScreen* screen = this->screen() != nullptr ? this->screen() : QApplication::primaryScreen();
  if (screen == nullptr) return;
  // Centred; on a screen smaller than the table its top-left corner stays on
  // the screen, with the control panel and Quitter in reach.
  const QRect desk = screen->availableGeometry();
  QRect frame = frameGeometry();
  frame.moveCenter(desk.center());
  const QPoint corner = KeptInside(frame, desk);
  if (frameGeometry().topLeft() != corner) move(corner);
}

void TForm1::FormActivate() {
  // Only the first activation: boxes and the suit chooser give the focus
  // back to the table many times during a game.
  if (activated_ || table_.Closing()) return;
  activated_ = true;

  // Said once, before anything else: a game with holes in its pictures is
  // still playable, but the player should know why.
  const QStringList missing = ReportMissingPictures();
  if (!missing.isEmpty())
    ShowBox(MissingPicturesText(missing).toStdString(), Buttons::Ok, std::nullopt);
  if (table_.Closing()) return;

  const bool soundDevice = options_.soundDevice.has_value()
                               ? *options_.soundDevice
                               : !QMediaDevices::audioOutputs().isEmpty();
  table_.SetSoundDevice(soundDevice);
  if (soundDevice) {
    table_.PlaySound("So/sonoui.wav");
    state_.SoundOn = 1;
  } else {
    state_.SoundOn = 0;
    ShowBox("Désolé!...Vous n'avez pas de carte sonore.!", Buttons::Ok, std::nullopt);
    if (table_.Closing()) return;
  }
  state_.TrumpsPlayed = 0;
  state_.TurnedSuitText.clear();
  state_.TargetScore = 2500;
  state_.AnimationOn = 0;
  Panel1->show();
  Panel1->raise();
}

// ---------------------------------------------------------------------------
// Options panel

void TForm1::BoutonAClick() {
  if (table_.Closing() || game_.inPlayStep || !BoutonA->isEnabled()) return;
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
    ShowBox("Animation des Cartes.", Buttons::Oui, ScreenPos{605, 120});
  } else {
    state_.AnimationOn = 0;
    BitBtn3->setText(QStringLiteral("Mettre Animation"));
    ShowBox("Pas d'animation.", Buttons::Oui, ScreenPos{605, 120});
  }
  if (table_.Closing()) return;
  Panel1->hide();
  PlayStep(game_);
}

void TForm1::BoutonQClick() {
  table_.Quit();
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
    ColorDialog1 = new QColorDialog(this);
    ColorDialog1->setObjectName(QStringLiteral("ColorDialog1"));
  }
  // Opens on the colour last confirmed, whatever was left in it when the
  // player cancelled.
  ColorDialog1->setCurrentColor(lastColour_);
  if (ColorDialog1->exec() != QDialog::Accepted) return;
  const QColor colour = ColorDialog1->selectedColor();
  if (!colour.isValid()) return;
  lastColour_ = colour;
  SetTableColour(colour);
}

void TForm1::Button2Click() {
  OpenHelpPage(this, options_.helpOpener);
}

void TForm1::Button1Click() {
  quitQuestionUp_ = true;
  const int answer =
      ShowBox("Etes-vous sur de vouloir quitter?", Buttons::OuiNon, ScreenPos{580, 120});
  quitQuestionUp_ = false;
  state_.DialogResult = answer;
  if (answer == kAnswerYes) table_.Quit();
}

void TForm1::BitBtn2Click() {
  if (state_.SoundOn == 1) {
    state_.SoundOn = 0;
    BitBtn2->setText(QStringLiteral("Mettre le Son"));
    ShowBox("Le son est innactif.", Buttons::Oui, ScreenPos{605, 120});
  } else {
    state_.SoundOn = 1;
    BitBtn2->setText(QStringLiteral("  Oter le Son"));
    ShowBox("Le son est actif.", Buttons::Oui, ScreenPos{605, 120});
  }
}

void TForm1::BitBtn3Click() {
  if (state_.AnimationOn == 1) {
    state_.AnimationOn = 0;
    BitBtn3->setText(QStringLiteral("Mettre Animation"));
    ShowBox("Pas d'animation.", Buttons::Oui, ScreenPos{605, 120});
  } else {
    state_.AnimationOn = 1;
    BitBtn3->setText(QStringLiteral("Oter l' Animation"));
    ShowBox("Animation des Cartes.", Buttons::Oui, ScreenPos{605, 120});
  }
}

bool TForm1::TakePointsFrom(QLineEdit* field) {
  const std::string text = field->text().toStdString();
  const std::optional<int> points = ParseWholeNumber(text);
  if (!points) {
    // Sixty of the widest letters still make a box wider than a small
    // screen: quote fewer of them until the box fits.
    const QFontMetrics metrics(QApplication::font());
    const QScreen* screen = this->screen();
    const int room = screen != nullptr ? screen->availableGeometry().width() - 80 : 720;
    std::size_t quoted = kQuotedCharacters;
    std::string message = NotAWholeNumberText(text, quoted);
    while (quoted > 10 && metrics.horizontalAdvance(QString::fromStdString(message)) > room) {
      quoted -= 5;
      message = NotAWholeNumberText(text, quoted);
    }
    ShowBox(message, Buttons::Ok, std::nullopt);
    return false;
  }
  state_.TargetScore = *points;
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
  if (table_.Closing() || !HandCardPlayable(game_, slot)) return;
  // A card played at once (the animation was switched off during a glide)
  // ends the glide still under way, or its ticks would carry on lifting hand
  // cards during the play step's pauses.
  if (state_.AnimationOn != 1) glide_ = Glide::None;
  belote::HandImageClick(game_, slot);
  if (state_.AnimationOn == 1 && Timer1->isActive()) {
    // The card rises over the rest of the hand.
    glide_ = Glide::Human;
    HandImage(slot)->raise();
  }
}

// ---------------------------------------------------------------------------
// Leaving

void TForm1::closeEvent(QCloseEvent* event) {
  if (table_.Closing()) {
    Timer1->stop();
    event->accept();
    return;
  }
  // Asked to close from outside (the window manager's close button, Alt+F4):
  // the player is asked first, as with Quitter, once the deal has come back
  // to him. Requests made meanwhile, or while the question is up, add nothing.
  event->ignore();
  if (closeRequested_ || quitQuestionUp_) return;
  closeRequested_ = true;
  closeAsk_->start();
}

bool TForm1::Busy() const {
  // A card on its way starts the play step when it lands; a box or the
  // colour chooser waits for its answer.
  return game_.inPlayStep || glide_ == Glide::Human || QApplication::activeModalWidget() != nullptr;
}

void TForm1::AskToCloseWhenFree() {
  if (table_.Closing()) {
    closeAsk_->stop();
    closeRequested_ = false;
    return;
  }
  if (Busy()) return;
  closeAsk_->stop();
  Button1Click();
  closeRequested_ = false;
}

}  // namespace belote
