// Everything the rules of the game ask of the card table window, and nothing
// more. The Qt window implements it; tests use a recording fake; the self-play
// tool a null table.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/TableGeometry.h"

namespace belote {

// The controls the engine writes to, named as on the table.
enum class Control {
  // Lines of the seat panels and the deal panel.
  ET1,
  ET2,
  ET3,
  ET4,
  ET5,
  ET6,
  ET7,
  ET8,
  ET9,
  ET10,
  ET11,
  ET12,
  ET13,
  ET14,
  ET15,
  ET16,
  ET17,
  ET18,
  ET19,
  ET20,
  ET21,
  ET22,
  // Bid labels beside the table places, seats 1..4.
  Label4,
  Label5,
  Label6,
  Label7,
  // Belote call-out in the middle of the table.
  Meilleur,
  // Hand images (slots 1..8), table places (seats 1..4), trump box.
  Image1,
  Image2,
  Image3,
  Image4,
  Image5,
  Image6,
  Image7,
  Image8,
  Image9,
  Image10,
  Image11,
  Image12,
  Image13,
  Count
};

// Readable name of a control ("ET14", "Image9" ...), for fakes and transcripts.
const char* ControlName(Control c);

// Numbered families, so that the rules can say "the bid label of seat s",
// "the hand image of slot n" or "the table place of seat s".
inline Control ETControl(int n) {
  return static_cast<Control>(static_cast<int>(Control::ET1) + n - 1);
}
inline Control ScoreLabel(int seat) {
  return static_cast<Control>(static_cast<int>(Control::ET10) + seat - 1);
}
inline Control BidLabel(int seat) {
  return static_cast<Control>(static_cast<int>(Control::Label4) + seat - 1);
}
inline Control HandControl(int slot) {
  return static_cast<Control>(static_cast<int>(Control::Image1) + slot - 1);
}
inline Control PlaceControl(int seat) {
  return static_cast<Control>(static_cast<int>(Control::Image9) + seat - 1);
}

// Message box buttons.
enum class Buttons {
  Oui,           // one "&Oui" button, no icon
  OuiNon,        // "&Oui" and "&Non", no icon
  Ok,            // one "OK" button, no icon
  Confirmation,  // question icon, title "Confirmation", "&Oui" and "&Non", centred
};
// What a box answers: the button pressed, or closed without one (Escape,
// the window's close button, the program ending).
constexpr int kAnswerYes = 6;
constexpr int kAnswerNo = 7;
constexpr int kAnswerOk = 1;
constexpr int kAnswerClosed = 2;

// Which of the game's boxes is up, so that a table can tell them apart
// without reading their words.
enum class Box {
  TakeQuestion,    // first round: does the human take the turned-up card?
  Redeal,          // everybody passed twice: the cards are dealt again
  TakerAnnounced,  // a computer seat has taken
  ConfirmTrick,    // "Validez cette main" after every trick
  AnotherGame,     // the game is won: another one?
};

class TableWindow {
 public:
  virtual ~TableWindow() = default;

  // Replace a label's text whole (UTF-8).
  virtual void SetText(Control c, std::string_view text) = 0;
  // Load a picture file ("Im/7.Bmp") into an image control.
  virtual void LoadPicture(Control image, std::string_view file) = 0;
  // The image `to` takes over the picture `from` shows now.
  virtual void CopyPicture(Control from, Control to) = 0;
  virtual void SetImageLeft(Control image, int left) = 0;
  virtual void SetImageTop(Control image, int top) = 0;
  // Start the 10 ms card-glide timer.
  virtual void StartAnimationTimer() = 0;
  // One modal wait of 500 ms; the table repaints and glides go on.
  virtual void Pause() = 0;
  // A modal message box with its corner at `place` over the table, centred
  // without one; returns one of the answers above.
  virtual int MessageBox(Box box, const std::string& text, Buttons buttons,
                         std::optional<BoxPlace> place) = 0;
  // Run the modal suit chooser until a press closes it (see SuitChooserPress).
  virtual void RunSuitChooser() = 0;
  // Start a sound file ("So/C.Wav") and return at once.
  virtual void PlaySound(const std::string& file) = 0;
  // End the program once the play step has unwound.
  virtual void Quit() = 0;
  // True once the program is ending (Quit was called): the play step stops
  // at its next wait.
  virtual bool Closing() const = 0;
  // A table without a screen may keep no texts at all; the lines written
  // for every card are then not even put together.
  virtual bool KeepsTexts() const { return true; }
};

// The four bid labels beside the table places, all set to one text.
inline void SetBidLabels(TableWindow& w, std::string_view text) {
  for (int seat = 1; seat <= 4; ++seat) w.SetText(BidLabel(seat), text);
}

// A table with nothing on screen and no sound, for games played without a
// window (self-play, benchmarks, fuzzing): texts, pictures and moves go
// nowhere and the pause does not wait. The boxes, the suit chooser and the
// end of the program are still for the owner to answer.
class HeadlessTable : public TableWindow {
 public:
  void SetText(Control, std::string_view) override {}
  void LoadPicture(Control, std::string_view) override {}
  void CopyPicture(Control, Control) override {}
  void SetImageLeft(Control, int) override {}
  void SetImageTop(Control, int) override {}
  void StartAnimationTimer() override {}
  void Pause() override {}
  void PlaySound(const std::string&) override {}
  bool KeepsTexts() const override { return false; }
};

// The clock the shuffle is seeded from, in whole seconds.
class SecondsClock {
 public:
  virtual ~SecondsClock() = default;
  virtual std::int64_t Now() = 0;
};

// The real clock: whole seconds since the epoch.
class SystemSecondsClock : public SecondsClock {
 public:
  std::int64_t Now() override;
};

}  // namespace belote
