// The card table: the main window with the human's hand, the trick in the
// middle, the seat panels, the deal panel, the control panel and the options
// panel shown at start. It owns the one table state of the game and is the
// only way into the engine: the start button, the card clicks and the end of
// a card's glide.
#pragma once

#include <QColor>
#include <QLabel>
#include <QWidget>
#include <functional>
#include <optional>

#include "engine/Game.h"
#include "model/TableState.h"
#include "ui/HelpPage.h"
#include "ui/MessageBoxes.h"
#include "ui/QtTableWindow.h"
#include "ui/TableWidgets.h"

class QCheckBox;
class QColorDialog;
class QLineEdit;
class QPushButton;
class QTimer;

namespace belote {

// How the window is built; tests wait less, skip the about box and stand
// in for the player at the boxes, the suit chooser and the speakers.
struct TForm1Options {
  int pauseMilliseconds = 500;
  bool showAboutBox = true;
  // When set, replaces the real test for a sound output device.
  std::optional<bool> soundDevice;
  // When set, sounds go here instead of the speakers.
  QtTableWindow::SoundSink soundSink;
  // When set, answers every box of the table instead of showing it: the
  // rules' boxes and the window's own (sound, animation, points, leaving,
  // missing pictures).
  MessageAnswerer messageAnswerer;
  // When set, presses the suit chooser instead of showing it.
  QtTableWindow::ChooserAnswerer chooserAnswerer;
  // False keeps the event loop running when the game ends (tests).
  bool exitApplicationOnQuit = true;
  // The program that shows the help page (tests name one that fails).
  QString helpOpener = QString::fromLatin1(kDesktopOpener);
  // When set, the shuffles are seeded from it instead of the system's clock
  // (tests that need known deals).
  SecondsClock* clock = nullptr;
};

class TForm1 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm1(TForm1Options options = {}, QWidget* parent = nullptr);
  ~TForm1() override;

  static constexpr int kClientWidth = 793;
  static constexpr int kClientHeight = 575;
  // The cloth of the table until the player picks another.
  static QColor Teal() { return QColor(0, 128, 128); }

  TableState& State() { return state_; }
  Game& GameState() { return game_; }
  QtTableWindow& Table() { return table_; }
  const TForm1Options& Options() const { return options_; }

  // Shows one of the table's boxes (see ShowTableMessage), or hands it to
  // the options' answerer when there is one.
  int ShowBox(const std::string& text, Buttons buttons, std::optional<ScreenPos> pos,
              const QString& description = QString());

  // The label or image the engine knows as `c`.
  QLabel* ControlWidget(Control c) const { return controls_[static_cast<int>(c)]; }
  TImage* HandImage(int slot) const;

  // Where a hand image rests between glides.
  static QPoint RestingPlace(int slot);

  // --- Controls, by their names on the table ---
  TImage *Image1, *Image2, *Image3, *Image4, *Image5, *Image6, *Image7, *Image8;
  TImage *Image9, *Image10, *Image11, *Image12, *Image13;
  QLabel *Label4, *Label5, *Label6, *Label7, *Meilleur;
  QLabel *ET1, *ET2, *ET3, *ET4, *ET5, *ET6, *ET7, *ET8, *ET9, *ET10, *ET11;
  QLabel *ET12, *ET13, *ET14, *ET15, *ET16, *ET17, *ET18, *ET19, *ET20, *ET21, *ET22;
  TShape *Shape1, *Shape2, *Shape3, *Shape4, *Shape5, *Shape6, *Shape7, *Shape8, *Shape9;
  QLabel *StaticText1, *StaticText2, *StaticText3, *StaticText4;
  QPushButton *BitBtn1, *Button2, *Button1, *BitBtn2, *BitBtn3;
  QLineEdit* Edit1;
  TUpDown* HB;
  TPanel* Panel1;
  QLabel *Label10, *Label2, *Label3, *Label8, *Label9, *Label12, *Label11;
  QLineEdit *Edit10, *Edit11;
  QCheckBox *CheckBox1, *CheckBox2;
  TUpDown* UpDown1;
  QPushButton *BoutonA, *BoutonQ;
  QTimer* Timer1;
  // The table colour chooser, made the first time " Tapis " is pressed.
  QColorDialog* ColorDialog1 = nullptr;

  // The colour the table chooser opens on: the last one chosen.
  QColor LastChosenColour() const { return lastColour_; }
  void SetTableColour(const QColor& colour);
  QColor TableColour() const;

  // --- Handlers ---
  void FormCreate();
  void FormActivate();
  void BoutonAClick();
  void BoutonQClick();
  void BitBtn1Click();
  void BitBtn2Click();
  void BitBtn3Click();
  void Button1Click();
  void Button2Click();
  void Edit1Change();
  void Edit11Change();
  void Edit10Edited(const QString& text);
  // One click handler for the eight hand images: slot 1..8.
  void ImageClick(int slot);
  void Image1Click() { ImageClick(1); }
  void Image2Click() { ImageClick(2); }
  void Image3Click() { ImageClick(3); }
  void Image4Click() { ImageClick(4); }
  void Image5Click() { ImageClick(5); }
  void Image6Click() { ImageClick(6); }
  void Image7Click() { ImageClick(7); }
  void Image8Click() { ImageClick(8); }
  void Timer1Timer();

  // Puts the table's pictures back in their usual order, front to back:
  // the trick over the hand, the bid labels over the trick.
  void RestoreStacking();

  // Lets timing tools follow the glides: told as each tick of Timer1 begins
  // and ends, and around the play step that the end of the human's glide
  // starts (the computer cards' ticks come in between, nested).
  enum class TickMoment { Begins, PlayStepBegins, PlayStepEnds, Ends };
  std::function<void(TickMoment)> tickObserver;

  // Whether the game is in the middle of something the player must wait
  // for: the play step, his card's glide, a box.
  bool Busy() const;

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void BuildTable();
  void BuildSeatPanels();
  void BuildDealPanel();
  void BuildControlPanel();
  void BuildOptionsPanel();
  void BuildHandAndTrick();
  QLabel* NewLabel(QWidget* parent, const char* name, QRect geometry, const QString& text,
                   const QFont& font, QColor textColour,
                   std::optional<QColor> background = std::nullopt);
  // Reads a points field's text as the new points target; false (and the
  // error box) when it is not a whole number.
  bool TakePointsFrom(QLineEdit* field);
  // Puts the table, frame included, in the middle of its screen.
  void CentreOnScreen();
  // Asks whether to quit once the table is free again (a close request).
  void AskToCloseWhenFree();
  // One tick of each glide: the human's card rises a step and, once at his
  // place, is played; a computer seat's card slides a step onto its place.
  void HumanGlideTick();
  void ComputerGlideTick();
  void Tell(TickMoment moment);

  TForm1Options options_;
  TableState state_;
  SystemSecondsClock clock_;
  QtTableWindow table_;
  Game game_;
  QLabel* controls_[static_cast<int>(Control::Count)] = {};
  QColor lastColour_{Qt::black};
  bool activated_ = false;
  // Which card Timer1 is moving: the one the human clicked (its landing
  // starts the play step) or a computer seat's.
  enum class Glide { None, Human, Computer };
  Glide glide_ = Glide::None;
  bool centred_ = false;
  bool closeRequested_ = false;  // a close request waits for its question
  bool quitQuestionUp_ = false;
  QTimer* closeAsk_ = nullptr;
};

}  // namespace belote
