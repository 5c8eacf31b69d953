// The card table: the main window with the human's hand, the trick in the
// middle, the seat panels, the deal panel, the control panel and the options
// panel shown at start. It owns the one table state of the game and is the
// only way into the engine: the start button, the card clicks and the end of
// a card's glide. It keeps the record of the deal the engine tells it, from
// which the screen reader hears the game.
#pragma once

#include <QColor>
#include <QLabel>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/Game.h"
#include "model/TableState.h"
#include "ui/boxes/MessageBoxes.h"
#include "ui/commands/Commands.h"
#include "ui/desktop/GameSound.h"
#include "ui/desktop/HelpPage.h"
#include "ui/record/DealRecord.h"
#include "ui/record/TableNews.h"
#include "ui/table/QtTableWindow.h"
#include "ui/widgets/TableWidgets.h"

class QCheckBox;
class QColorDialog;
class QLineEdit;
class QPushButton;
class QTimer;

namespace belote {

class TForm2;
class TUpDown;
class TableAnnouncer;

// How the window is built; tests wait less, skip the about box and stand
// in for the player at the boxes, the suit chooser and the speakers.
struct TForm1Options {
  int pauseMilliseconds = 500;
  bool showAboutBox = true;
  // When set, replaces the real test for a sound output device.
  std::optional<bool> soundDevice;
  // When set, sounds go here instead of the speakers.
  std::function<void(const std::string& file)> soundSink;
  // When set, answers every box of the table instead of showing it: the
  // rules' boxes and the window's own (sound, animation, points, leaving,
  // missing pictures).
  MessageAnswerer messageAnswerer;
  // When set, presses the suit chooser instead of showing it: each call
  // gives the x of one press on its picture.
  std::function<int()> chooserAnswerer;
  // False keeps the event loop running when the game ends (tests).
  bool exitApplicationOnQuit = true;
  // The program that shows the help page (tests name one that fails).
  QString helpOpener = QString::fromLatin1(kDesktopOpener);
  // When set, the shuffle is seeded from this clock instead of the real one,
  // so that a test knows the deals to come.
  SecondsClock* clock = nullptr;
};

class TForm1 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm1(TForm1Options options = {}, QWidget* parent = nullptr);
  ~TForm1() override;

  static constexpr int kClientWidth = 793;
  static constexpr int kClientHeight = 575;

  // The game as the engine keeps it, and as the window was told it.
  TableState& State() { return state_; }
  Game& GameState() { return game_; }
  const DealRecord& Record() const { return record_; }
  TableAnnouncer& Announcer() const { return *announcer_; }
  const TForm1Options& Options() const { return options_; }
  // The table as the engine sees it.
  TableWindow& Table() { return table_; }
  // The label or image the engine knows as `c`, to look at (tests).
  const QLabel* ControlWidget(Control c) const { return controls_[static_cast<int>(c)]; }

  // The hand image of slot 1..8, null for any other slot.
  TImage* HandImage(int slot) const;
  // Where a hand image rests between glides.
  static QPoint RestingPlace(int slot);

  // --- What the engine asks of the table, through its adapter ---
  void ShowText(Control c, const QString& text);
  // Shows the picture `file` ("Im/7.Bmp") in the image `c`.
  void ShowPicture(Control c, const QString& file);
  // Moves the image `c` to `left`, or `top`, or both.
  void MoveImage(Control c, std::optional<int> left, std::optional<int> top);
  void StartGlide();
  void Pause();
  int ShowEngineBox(Box box, const std::string& text, Buttons buttons,
                    std::optional<BoxPlace> place);
  // Runs the suit chooser until `press` (given the x of a press on its
  // picture) says it closes.
  void RunSuitChooser(const std::function<bool(int x)>& press);
  void PlaySound(const std::string& file);
  // Ends the program once the play step has unwound from its waits.
  void Quit();
  bool Closing() const { return closing_; }

  // The cloth of the table.
  void SetTableColour(const QColor& colour);
  QColor TableColour() const;
  // The colour the table chooser opens on: the last one chosen.
  QColor LastChosenColour() const { return lastColour_; }

  // --- Handlers, by the names of their controls ---
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
  void Image1Click() { ImageClick(1); }
  void Image2Click() { ImageClick(2); }
  void Image3Click() { ImageClick(3); }
  void Image4Click() { ImageClick(4); }
  void Image5Click() { ImageClick(5); }
  void Image6Click() { ImageClick(6); }
  void Image7Click() { ImageClick(7); }
  void Image8Click() { ImageClick(8); }
  // What the eight click handlers do, for slot 1..8.
  void ImageClick(int slot);
  void Timer1Timer();

  // Lets timing tools follow the glides: told as each tick of Timer1 begins
  // and ends, and around the play step that the end of the human's glide
  // starts (the computer cards' ticks come in between, nested).
  enum class TickMoment { Begins, PlayStepBegins, PlayStepEnds, Ends };
  std::function<void(TickMoment)> tickObserver;

  // Whether the game is in the middle of something the player must wait
  // for: the play step, his card's glide, one of the table's boxes.
  bool Busy() const;

 signals:
  // The table has become free again: the play step has returned, the
  // player's card has landed or a box has closed, and nothing else keeps
  // the player waiting.
  void Settled();

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  // --- Building (TableLayout.cpp) ---
  void BuildTable();
  void BuildSeatPanels();
  void BuildDealPanel();
  void BuildControlPanel();
  void BuildOptionsPanel();
  void BuildHandAndTrick();
  QLabel* NewLabel(QWidget* parent, const char* name, QRect geometry, const QString& text,
                   const QFont& font, QColor textColour,
                   std::optional<QColor> background = std::nullopt);
  // Puts the table's pictures back in their usual order, front to back:
  // the trick over the hand, the bid labels over the trick.
  void RestoreStacking();

  // --- Names for screen readers (TableNames.cpp) ---
  void NameControls();
  // The image `c` now shows the picture called `name`.
  void NamePicture(Control c, const QString& name);

  // --- The keyboard (TableKeys.cpp) ---
  KeyPlace PlaceOfKeyboard() const;
  void Obey(Order order);
  void Review(Command command);
  // Gives the keyboard to a card of the hand when it is on none: to the
  // card it was on, or the nearest card still in the hand.
  void FocusHand();
  void FocusNextCard(int fromSlot, int step);
  // The options panel shows or hides: its controls take the keyboard.
  void OptionsPanelShown(bool shown);
  // The player asked for the card of `slot`; says why the rules refuse it.
  void TellIfRefused(int slot);
  std::vector<int> PlayableSlots() const;

  // --- The glides (Glides.cpp) ---
  void HumanGlideTick();
  void ComputerGlideTick();
  void Tell(TickMoment moment);

  // --- Waiting and leaving ---
  // One of the table's own boxes, or the options' answerer.
  int ShowBox(const std::string& text, Buttons buttons, BoxSpot spot,
              const std::string& description = {});
  // Reads a points field's text as the new points target; false (and the
  // error box) when it is not a whole number.
  bool TakePointsFrom(QLineEdit* field);
  void CentreOnScreen();
  // Centres the table again, once, as soon as the window manager has told
  // the width of its frame around it.
  void CentreInFrame(QMargins frame);
  // Tells those who wait for the table to be free, if it is.
  void SettleIfFree();
  // The player asked to close the table from outside the game.
  void RequestClose();
  // A close request asks its question once the table is free.
  void AskToCloseIfRequested();
  // The player's turn is said once the table is free.
  void AnnounceTurnIfDue();
  void FinishQuit();

  TForm1Options options_;
  TableState state_;
  SystemSecondsClock clock_;
  QtTableWindow table_;
  DealRecord record_;
  TableNews news_;
  Game game_;
  GameSound sound_;
  KeyReader keys_;
  TableAnnouncer* announcer_ = nullptr;

  // --- Controls, by their names on the table ---
  QLabel* controls_[static_cast<int>(Control::Count)] = {};
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

  QColor lastColour_{Qt::black};
  bool activated_ = false;
  bool centred_ = false;
  bool framed_ = false;  // centred again inside the window manager's frame
  bool soundDevice_ = false;
  // The card the human clicked is on its way to his place; its landing
  // starts the play step.
  bool humanCardGliding_ = false;
  // The name the screen reader last said for the card with the keyboard.
  QString cardNameHeard_;
  // A letter has been typed in the name field, or the player clicked in it.
  bool nameTouched_ = false;
  int boxesOpen_ = 0;
  std::vector<TForm2*> pauses_;
  QPointer<QDialog> chooser_;
  bool closing_ = false;
  bool quitQueued_ = false;
  bool closeRequested_ = false;  // a close request waits for its question
  bool quitQuestionUp_ = false;
};

}  // namespace belote
